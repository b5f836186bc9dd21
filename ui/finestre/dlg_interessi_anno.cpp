#include "ui/finestre/dlg_interessi_anno.h"

#include "engine/tabella.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/comune/posizione.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/controlli/modello_tabella.h"
#include "ui/finestre/dlg_guida.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace pianoamm {

DlgInteressiAnno::DlgInteressiAnno(std::vector<pianoamm::AnnoPiano> perAnno, QWidget* parent)
    : QDialog(parent), anni(std::move(perAnno))
{
    setObjectName(QStringLiteral("DlgInteressiAnno"));
    ConGuida(this, QStringLiteral("interessi-anno"));
    setWindowTitle(QStringLiteral("Interessi per anno"));

    auto* modello = new ModelloTabella(false, true, this);
    modello->Mostra(pianoamm::CellePerAnno(anni));
    grdAnni = CreaTabella(modello, this);
    grdAnni->setObjectName(QStringLiteral("grdAnni"));
    grdAnni->setAccessibleName(QStringLiteral("Interessi per anno"));

    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addWidget(grdAnni, 1);
    impaginazione->addWidget(CreaBottoni());
    // The whole table, where the table's own copy would take one cell.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &DlgInteressiAnno::Copia);
    InvioCliccaIBottoni(this);
    Adatta(parent);
}

QDialogButtonBox* DlgInteressiAnno::CreaBottoni()
{
    auto* bottoni = new QDialogButtonBox(this);
    const auto bottone = [&](const QString& testo, const char* nome, auto azione) {
        QPushButton* comando = bottoni->addButton(testo, QDialogButtonBox::ActionRole);
        comando->setObjectName(QString::fromLatin1(nome));
        comando->setAccessibleName(QString(testo).remove(QLatin1Char('&')).remove(QChar(0x2026)));
        connect(comando, &QPushButton::clicked, this, azione);
    };
    // Later pages repeat the heading and its rule, the table's first lines.
    const auto pagine = [this] { return Impagina(Righe(), Righe().mid(0, 2)); };
    bottone(QStringLiteral("C&opia"), "cmdCopia", [this] { Copia(); });
    bottone(QStringLiteral("&Stampa…"), "cmdStampa",
            [this, pagine] { StampaPagine(this, pagine(), {}, QStringLiteral("interessi-per-anno.pdf")); });
    bottone(QStringLiteral("Salva come PD&F…"), "cmdPdf",
            [this, pagine] { SalvaPaginePdf(this, QStringLiteral("interessi-per-anno.pdf"), pagine()); });
    bottone(QStringLiteral("Esporta &CSV…"), "cmdCsv", [this] {
        SalvaCsv(this, QStringLiteral("interessi-per-anno.csv"), pianoamm::CsvDi(pianoamm::CellePerAnno(anni)));
    });
    QPushButton* chiudi = bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setObjectName(QStringLiteral("cmdChiudi"));
    chiudi->setAccessibleName(QStringLiteral("Chiudi"));
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return bottoni;
}

QStringList DlgInteressiAnno::Righe() const
{
    QString testo = TestoQt(pianoamm::TabellaPerAnno(anni));
    testo.chop(1);  // the last line's end
    return testo.split(QLatin1Char('\n'));
}

void DlgInteressiAnno::Copia() const
{
    QGuiApplication::clipboard()->setText(TestoQt(pianoamm::TabellaPerAnno(anni)));
}

// Every year in sight: the table asks for no less width than its columns
// need and the window for the table's whole height; where the screen is
// smaller the window is made to fit it, and the table scrolls.
void DlgInteressiAnno::Adatta(QWidget* accanto)
{
    const QSize tabella = MisuraTabella(grdAnni);
    grdAnni->setMinimumWidth(tabella.width());
    resize(sizeHint() + QSize(0, tabella.height() - grdAnni->sizeHint().height()));
    PosizionaAccanto(this, accanto);
}

}  // namespace pianoamm
