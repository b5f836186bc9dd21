#include "ui/finestre/dlg_verifica.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "file/affiancate_banca.h"
#include "file/esito_verifica.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/comune/cartelle.h"
#include "ui/comune/posizione.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/controlli/modello_tabella.h"
#include "ui/controlli/motivo_campo.h"
#include "ui/finestre/dlg_guida.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace pianoamm {

namespace {

// A cell apart as a screen reader and its tip tell it.
QString Nota(const CellaDiversa& cella)
{
    return QStringLiteral("diversa: banca %1, programma %2")
        .arg(TestoQt(FormatoDecimali(cella.banca, cella.decimali, true)),
             TestoQt(FormatoDecimali(cella.programma, cella.decimali, true)));
}

// A control's label, with its access key, for the control below it.
QLabel* Etichetta(const QString& testo, QWidget* controllo)
{
    auto* etichetta = new QLabel(testo, controllo->parentWidget());
    etichetta->setBuddy(controllo);
    return etichetta;
}

}  // namespace

DlgVerifica::DlgVerifica(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgVerifica"));
    ConGuida(this, QStringLiteral("verifica"));
    setWindowTitle(QStringLiteral("Verifica il piano della banca"));
    setAttribute(Qt::WA_DeleteOnClose);

    txtEsito = new QPlainTextEdit(this);
    txtEsito->setObjectName(QStringLiteral("txtEsito"));
    txtEsito->setAccessibleName(QStringLiteral("Esito della verifica"));
    txtEsito->setReadOnly(true);
    txtEsito->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtEsito->setTabChangesFocus(true);
    txtEsito->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtEsito->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    modelloAffiancate = new ModelloTabella(false, true, this);
    grdAffiancate = CreaTabella(modelloAffiancate, this);
    grdAffiancate->setObjectName(QStringLiteral("grdAffiancate"));
    grdAffiancate->setAccessibleName(QStringLiteral("Rate della banca e del programma"));
    grdAffiancate->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdAffiancate->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdAffiancate->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdAffiancate->horizontalHeader()->setStretchLastSection(true);

    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addLayout(CreaComandi());
    impaginazione->addWidget(Etichetta(QStringLiteral("&Esito:"), txtEsito));
    impaginazione->addWidget(txtEsito, 2);
    impaginazione->addWidget(Etichetta(QStringLiteral("&Rate affiancate:"), grdAffiancate));
    impaginazione->addWidget(grdAffiancate, 3);
    impaginazione->addWidget(CreaBottoni());
    // The whole check, where the table's own copy would take one cell.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &DlgVerifica::Copia);
    InvioCliccaIBottoni(this);
    Mostra();
    // Room for the check's text; a table read widens it to its columns.
    resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 50);
    PosizionaAccanto(this, parent);
}

QDialogButtonBox* DlgVerifica::CreaBottoni()
{
    auto* bottoni = new QDialogButtonBox(this);
    const auto bottone = [&](const QString& testo, const char* nome, auto azione) {
        cmdRisultato.push_back(BottoneAzione(bottoni, testo, nome));
        connect(cmdRisultato.back(), &QPushButton::clicked, this, azione);
    };
    // Later pages repeat the side-by-side table's heading and its rule.
    const auto pagine = [this] {
        const QStringList righe = Righe();
        return Impagina(righe, righe.mid(righe.indexOf(QString()) + 1, 2));
    };
    bottone(QStringLiteral("C&opia"), "cmdCopia", [this] { Copia(); });
    bottone(QStringLiteral("&Stampa…"), "cmdStampa",
            [this, pagine] { StampaPagine(this, pagine(), {}, QStringLiteral("verifica.pdf")); });
    bottone(QStringLiteral("Salva come PD&F…"), "cmdPdf",
            [this, pagine] { SalvaPaginePdf(this, QStringLiteral("verifica.pdf"), pagine()); });
    bottone(QStringLiteral("Esporta &CSV…"), "cmdCsv",
            [this] { SalvaCsv(this, QStringLiteral("verifica.csv"), CsvDi(CelleAffiancate(*tabella, *verifica))); });
    bottone(QStringLiteral("&Usa questi dati"), "cmdUsa", [this] { emit Usa(verifica->mutuo); });
    QPushButton* chiudi = bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setObjectName(QStringLiteral("cmdChiudi"));
    chiudi->setAccessibleName(QStringLiteral("Chiudi"));
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return bottoni;
}

QLayout* DlgVerifica::CreaComandi()
{
    auto* apri = new QPushButton(QStringLiteral("&Apri file…"), this);
    apri->setObjectName(QStringLiteral("cmdApriFile"));
    apri->setAccessibleName(QStringLiteral("Apri il file del piano della banca"));
    connect(apri, &QPushButton::clicked, this, &DlgVerifica::ScegliFile);
    auto* incolla = new QPushButton(QStringLiteral("&Incolla"), this);
    incolla->setObjectName(QStringLiteral("cmdIncolla"));
    incolla->setAccessibleName(QStringLiteral("Incolla il piano della banca"));
    connect(incolla, &QPushButton::clicked, this, [this] { Incolla(QGuiApplication::clipboard()->text()); });
    lblMotivo = new MotivoCampo(this);
    lblMotivo->setAccessibleName(QStringLiteral("Motivo"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(apri);
    comandi->addWidget(incolla);
    // The buttons keep their width, with or without a reason beside them.
    comandi->addWidget(lblMotivo, 4);
    comandi->addStretch(1);
    return comandi;
}

void DlgVerifica::ScegliFile()
{
    const QString percorso = Ricorda(
        TipoFile::Tabella,
        QFileDialog::getOpenFileName(this, QStringLiteral("Apri il piano della banca"), CartellaPer(TipoFile::Tabella),
                                     QStringLiteral("Tabelle (*.csv *.txt);;Tutti i file (*)")));
    if (!percorso.isEmpty())
        Leggi([&] { return LeggiFileTabellaBanca(QFile::encodeName(percorso).toStdString()); });
}

void DlgVerifica::Incolla(const QString& testo)
{
    Leggi([&] { return LeggiTabellaBanca(testo.toStdString()); });
}

void DlgVerifica::Leggi(const std::function<TabellaBanca()>& leggi)
{
    try {
        TabellaBanca letta = leggi();
        Verifica fatta = VerificaTabella(letta);
        tabella = std::move(letta);
        verifica = std::move(fatta);
        lblMotivo->Mostra({});
    } catch (const ErrorePiano& errore) {
        lblMotivo->Mostra(QString::fromUtf8(errore.what()));
        return;
    }
    Mostra();
}

// The first cell apart current and in sight, so that the keyboard starts
// there.
void DlgVerifica::Mostra()
{
    for (QPushButton* bottone : cmdRisultato)
        bottone->setEnabled(verifica.has_value());
    if (!verifica) {
        txtEsito->setPlainText(QStringLiteral("Aprire il file del piano della banca, o copiarne la tabella (da un "
                                              "PDF o da un foglio di calcolo) e premere Incolla."));
        return;
    }
    txtEsito->setPlainText(TestoQt(TestoVerifica(*verifica)));
    std::vector<CellaSegnata> segnate;
    for (const CellaDiversa& cella : verifica->celle) {
        if (const auto posto = PostoDi(*tabella, cella))
            segnate.push_back({static_cast<int>(posto->riga), static_cast<int>(posto->colonna), Nota(cella)});
    }
    modelloAffiancate->Mostra(CelleAffiancate(*tabella, *verifica), {}, segnate);
    if (!segnate.empty()) {
        const QModelIndex prima = modelloAffiancate->index(segnate.front().riga, segnate.front().colonna);
        grdAffiancate->setCurrentIndex(prima);
        grdAffiancate->scrollTo(prima, QAbstractItemView::PositionAtCenter);
    }
    Allarga();
}

// Every column in sight where the screen has room, the window placed again
// beside the listing so that it stays within the screen.
void DlgVerifica::Allarga()
{
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grdAffiancate);
    const int colonne = grdAffiancate->horizontalHeader()->length() + 2 * grdAffiancate->frameWidth() + barra;
    const int margini = width() - grdAffiancate->width();
    if (colonne + margini <= width())
        return;
    resize(colonne + margini, height());
    PosizionaAccanto(this, parentWidget());
}

QStringList DlgVerifica::Righe() const
{
    QString testo = TestoQt(TestoVerifica(*verifica) + "\n" + TestoAffiancate(*tabella, *verifica));
    testo.chop(1);  // the last line's end
    return testo.split(QLatin1Char('\n'));
}

// The rows and columns of the cells selected, with the headings, where more
// than one is; else the whole table. A row a line, its cells apart by TABs,
// as a spreadsheet takes them.
void DlgVerifica::Copia() const
{
    if (!verifica)
        return;
    const QModelIndexList scelte = grdAffiancate->selectionModel()->selectedIndexes();
    QList<int> righe{-1};  // the heading
    QList<int> colonne;
    for (int riga = 0; riga < modelloAffiancate->rowCount(); ++riga)
        righe << riga;
    for (int colonna = 0; colonna < modelloAffiancate->columnCount(); ++colonna)
        colonne << colonna;
    if (scelte.size() > 1) {
        const auto dentro = [&](int riga, int colonna) {
            return std::ranges::any_of(scelte, [&](const QModelIndex& i) {
                return (riga < 0 || i.row() == riga) && (colonna < 0 || i.column() == colonna);
            });
        };
        righe.removeIf([&](int riga) { return riga >= 0 && !dentro(riga, -1); });
        colonne.removeIf([&](int colonna) { return !dentro(-1, colonna); });
    }
    QString testo;
    for (const int riga : righe) {
        QStringList celle;
        for (const int colonna : colonne)
            celle << (riga < 0 ? modelloAffiancate->headerData(colonna, Qt::Horizontal, Qt::DisplayRole)
                               : modelloAffiancate->index(riga, colonna).data())
                         .toString();
        testo += celle.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    QGuiApplication::clipboard()->setText(testo);
}

}  // namespace pianoamm
