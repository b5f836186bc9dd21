#include "ui/finestre/dlg_confronto.h"

#include "engine/errore.h"
#include "file/file_offerta.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/comune/cartelle.h"
#include "ui/comune/posizione.h"
#include "ui/controlli/assi_grafico.h"
#include "ui/controlli/grafico_piano.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/finestre/dlg_confronto_nomi.h"
#include "ui/finestre/dlg_guida.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace pianoamm {

namespace {

// The debt before the first installment and after each one, as steps, by
// the years from the disbursement: it stays until the due date and drops
// there, which a line across a year would hide. About 250 steps at most:
// more than the chart has pixels for only slows it.
QList<QPointF> Punti(const std::vector<pianoamm::PuntoDebito>& debito)
{
    QList<QPointF> punti{{0, debito.front().debito}};
    const std::size_t passo = std::max<std::size_t>(1, debito.size() / 250);
    for (std::size_t k = 1; k < debito.size(); ++k) {
        if (k % passo == 0 || k + 1 == debito.size()) {
            const double anni = debito[k].mesi / 12.0;
            punti.append({anni, punti.back().y()});
            punti.append({anni, debito[k].debito});
        }
    }
    return punti;
}

}  // namespace

DlgConfronto::DlgConfronto(const pianoamm::Offerta& corrente, const QString& nomeCorrente, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgConfronto"));
    ConGuida(this, QStringLiteral("confronto"));
    setWindowTitle(QStringLiteral("Confronta offerte"));
    setAttribute(Qt::WA_DeleteOnClose);
    offerte.push_back(pianoamm::ValoriDi(corrente, nomeCorrente.toStdString()));
    offerte[0].nome = nomeCorrente.toStdString();

    modelloConfronto = new ModelloConfronto(this);
    grdConfronto = new QTableView(this);
    grdConfronto->setModel(modelloConfronto);
    grdConfronto->setObjectName(QStringLiteral("grdConfronto"));
    grdConfronto->setAccessibleName(QStringLiteral("Confronto delle offerte"));
    grdConfronto->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdConfronto->setSelectionBehavior(QAbstractItemView::SelectColumns);
    grdConfronto->setSelectionMode(QAbstractItemView::SingleSelection);
    modelloConfronto->Adatta(grdConfronto->horizontalHeader());
    grdConfronto->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdConfronto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CreaGrafico();

    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addLayout(CreaComandi());
    impaginazione->addWidget(grdConfronto);
    impaginazione->addWidget(grfDebito, 1);
    impaginazione->addWidget(CreaBottoni());
    // The whole comparison, where the table's own copy would take one cell.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &DlgConfronto::Copia);
    InvioCliccaIBottoni(this);
    Aggiorna();
    // Room for four columns of figures and a chart that reads, in the
    // font's measure.
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 50);
    PosizionaAccanto(this, parent);
}

QLayout* DlgConfronto::CreaComandi()
{
    cmdAggiungi = new QPushButton(QStringLiteral("&Aggiungi file…"), this);
    cmdAggiungi->setObjectName(QStringLiteral("cmdAggiungi"));
    cmdAggiungi->setAccessibleName(QStringLiteral("Aggiungi file"));
    connect(cmdAggiungi, &QPushButton::clicked, this, &DlgConfronto::ScegliFile);
    cmdTogli = new QPushButton(QStringLiteral("&Togli"), this);
    cmdTogli->setObjectName(QStringLiteral("cmdTogli"));
    cmdTogli->setAccessibleName(QStringLiteral("Togli l'offerta scelta"));
    connect(cmdTogli, &QPushButton::clicked, this, &DlgConfronto::Togli);
    connect(grdConfronto->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { cmdTogli->setEnabled(grdConfronto->currentIndex().column() > 0); });
    lblMotivo = new QLabel(this);
    lblMotivo->setObjectName(QStringLiteral("lblMotivo"));
    lblMotivo->setAccessibleName(QStringLiteral("Motivo"));
    lblMotivo->setWordWrap(true);
    lblMotivo->setTextFormat(Qt::PlainText);  // a reason may quote the file
    lblMotivo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(cmdAggiungi);
    comandi->addWidget(cmdTogli);
    comandi->addWidget(lblMotivo, 1);
    return comandi;
}

QDialogButtonBox* DlgConfronto::CreaBottoni()
{
    auto* bottoni = new QDialogButtonBox(this);
    const auto bottone = [&](const QString& testo, const char* nome, auto azione) {
        cmdEsportazioni.push_back(BottoneAzione(bottoni, testo, nome));
        connect(cmdEsportazioni.back(), &QPushButton::clicked, this, azione);
    };
    bottone(QStringLiteral("C&opia"), "cmdCopia", [this] { Copia(); });
    bottone(QStringLiteral("&Stampa…"), "cmdStampa",
            [this] { StampaPagine(this, Impagina(Righe(), {}), {}, QStringLiteral("confronto.pdf")); });
    bottone(QStringLiteral("Salva come PD&F…"), "cmdPdf",
            [this] { SalvaPaginePdf(this, QStringLiteral("confronto.pdf"), Impagina(Righe(), {})); });
    bottone(QStringLiteral("Esporta &CSV…"), "cmdCsv", [this] {
        SalvaCsv(this, QStringLiteral("confronto.csv"), pianoamm::CsvDi(pianoamm::CelleConfronto(offerte)));
    });
    QPushButton* chiudi = bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setAccessibleName(QStringLiteral("Chiudi"));
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return bottoni;
}

void DlgConfronto::CreaGrafico()
{
    auto* grafico = new QChart;
    grafico->setTitle(QStringLiteral("Debito residuo"));
    grafico->legend()->setAlignment(Qt::AlignRight);
    // The lines take the room, not the frame around them.
    grafico->setMargins(QMargins(4, 4, 4, 4));
    asseAnni = new AsseGrafico(grafico, QStringLiteral("Anni dall'erogazione"), Qt::AlignBottom);
    asseDebito = new AsseGrafico(grafico, QStringLiteral("Debito"), Qt::AlignLeft);
    grfDebito = new QChartView(grafico, this);
    grfDebito->setObjectName(QStringLiteral("grfDebito"));
    grfDebito->setAccessibleName(QStringLiteral("Debito residuo di ogni offerta"));
    // The drawing takes the focus itself: a screen reader names it too.
    grfDebito->viewport()->setAccessibleName(grfDebito->accessibleName());
    grfDebito->setRenderHint(QPainter::Antialiasing);
    grfDebito->setMinimumSize(320, 240);
}

void DlgConfronto::ScegliFile()
{
    const QString percorso =
        Ricorda(TipoFile::Mutuo, QFileDialog::getOpenFileName(this, QStringLiteral("Aggiungi un'offerta"),
                                                              CartellaPer(TipoFile::Mutuo), FiltroMutui()));
    if (!percorso.isEmpty())
        Aggiungi(percorso);
}

void DlgConfronto::Aggiungi(const QString& percorso)
{
    if (offerte.size() >= pianoamm::OfferteMassime)
        return;
    try {
        const pianoamm::Offerta offerta = pianoamm::LeggiFileOfferta(QFile::encodeName(percorso).toStdString());
        offerte.push_back(pianoamm::ValoriDi(offerta, QFileInfo(percorso).fileName().toStdString()));
        lblMotivo->clear();
    } catch (const pianoamm::ErrorePiano& errore) {
        lblMotivo->setText(QString::fromUtf8(errore.what()));
        return;
    }
    Aggiorna();
}

void DlgConfronto::NominaCorrente(const QString& nome)
{
    offerte[0].nome = nome.toStdString();
    Aggiorna();
}

void DlgConfronto::Togli()
{
    const int colonna = grdConfronto->currentIndex().column();
    if (colonna <= 0 || colonna >= static_cast<int>(offerte.size()))
        return;
    offerte.erase(offerte.begin() + colonna);
    lblMotivo->clear();
    Aggiorna();
}

void DlgConfronto::Aggiorna()
{
    RiempiTabella();
    RiempiGrafico();
    const bool confronto = offerte.size() >= pianoamm::OfferteMinime;
    for (QPushButton* bottone : cmdEsportazioni)
        bottone->setEnabled(confronto);
    cmdAggiungi->setEnabled(offerte.size() < pianoamm::OfferteMassime);
    cmdTogli->setEnabled(grdConfronto->currentIndex().column() > 0);
    if (!confronto && lblMotivo->text().isEmpty())
        lblMotivo->setText(QStringLiteral("Aggiungere il file di almeno un'altra offerta da confrontare."));
}

// The best value of a row in bold, where some offer falls short of it.
void DlgConfronto::RiempiTabella()
{
    std::vector<std::pair<int, int>> migliori;
    int riga = 0;
    for (const pianoamm::DatiRigaConfronto& dati : pianoamm::RigheConfronto) {
        if (!pianoamm::HaRiga(offerte, dati.voce))
            continue;
        const std::vector<std::size_t> meglio = pianoamm::Migliori(offerte, dati.voce);
        for (const std::size_t colonna : meglio) {
            if (offerte.size() > 1 && meglio.size() < offerte.size())
                migliori.emplace_back(riga, static_cast<int>(colonna));
        }
        ++riga;
    }
    modelloConfronto->Mostra(pianoamm::CelleConfronto(offerte), std::move(migliori));
    // Every row in sight: the table is short, the chart takes the rest.
    grdConfronto->setFixedHeight(grdConfronto->horizontalHeader()->sizeHint().height()
                                 + grdConfronto->verticalHeader()->length() + 2 * grdConfronto->frameWidth());
}

void DlgConfronto::RiempiGrafico()
{
    QChart* grafico = grfDebito->chart();
    grafico->removeAllSeries();
    double mesi = 12;
    double debito = 1;
    for (const pianoamm::ValoriOfferta& offerta : offerte) {
        auto* serie = new QLineSeries;
        // The legend reads its text as HTML: a name is shown as written.
        serie->setName(TestoVisibile(TestoQt(offerta.nome)).toHtmlEscaped());
        serie->append(Punti(offerta.debito));
        grafico->addSeries(serie);
        for (QAbstractAxis* asse : grafico->axes())
            serie->attachAxis(asse);
        mesi = std::max(mesi, static_cast<double>(offerta.mesi));
        for (const pianoamm::PuntoDebito& punto : offerta.debito)
            debito = std::max(debito, punto.debito);
    }
    asseAnni->ScalaAnni(0, std::ceil(mesi / 12));
    asseDebito->ScalaEuro(debito);
}

QStringList DlgConfronto::Righe() const
{
    QString testo = TestoQt(pianoamm::TestoStampaConfronto(offerte, pianoamm::Oggi()));
    testo.chop(1);  // the last line's end
    return testo.split(QLatin1Char('\n'));
}

void DlgConfronto::Copia() const
{
    if (offerte.size() >= pianoamm::OfferteMinime)
        QGuiApplication::clipboard()->setText(TestoQt(pianoamm::TestoStampaConfronto(offerte, pianoamm::Oggi())));
}

}  // namespace pianoamm
