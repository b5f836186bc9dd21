#include "ui/finestre/dlg_costi.h"

#include "engine/errore.h"
#include "engine/listato.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/comune/posizione.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/gruppo_fiscale.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/controlli/tabella_anni.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace pianoamm {

DlgCosti::DlgCosti(pianoamm::Piano pianoMostrato, Valori& valoriSessione, QWidget* parent)
    : QDialog(parent), piano(std::move(pianoMostrato)), valori(valoriSessione)
{
    setObjectName(QStringLiteral("DlgCosti"));
    setWindowTitle(QStringLiteral("Costi, TAEG e detrazione"));

    auto* dati = new QFormLayout;
    txtSpeseIniziali = Campo(dati, QStringLiteral("&Spese iniziali:"), "txtSpeseIniziali",
                             pianoamm::LimiteSpeseIniziali, valori.costi.speseIniziali);
    txtImposta = Campo(dati, QStringLiteral("&Imposta sostitutiva (%):"), "txtImpostaSostitutiva",
                       pianoamm::LimiteImposta, valori.costi.impostaSostitutiva);
    txtSpeseRata = Campo(dati, QStringLiteral("Spese per &rata:"), "txtSpeseRata", pianoamm::LimiteSpeseRata,
                         valori.costi.speseRata);
    txtQuota = Campo(dati, QStringLiteral("&Quota a proprio carico (%):"), "txtQuota", pianoamm::LimiteQuota,
                     valori.regole.quota);
    CreaLimite(dati);

    auto* risultati = new QFormLayout;
    const char* nomi[] = {"lblTan", "lblTaeg", "lblCostoTotale", "lblImportoDovuto"};
    for (std::size_t i = 0; i < lblCosti.size(); ++i) {
        lblCosti[i] = new QLabel(this);
        lblCosti[i]->setObjectName(QString::fromLatin1(nomi[i]));
        lblCosti[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        risultati->addRow(TestoQt(pianoamm::EtichetteCosto[i]) + QLatin1Char(':'), lblCosti[i]);
    }

    grpFiscale = new GruppoFiscale(valori.regole.fiscali, this);
    connect(grpFiscale, &GruppoFiscale::Cambiato, this, &DlgCosti::Aggiorna);
    grdDetrazione = CreaTabellaAnni(pianoamm::CelleDetrazione(pianoamm::Detrazione{}, true), this);
    grdDetrazione->setAccessibleName(QStringLiteral("Detrazione per anno"));
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setAccessibleName(QStringLiteral("Regole applicate"));
    lblNote->setWordWrap(true);
    lblNote->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* sopra = new QHBoxLayout;
    sopra->addLayout(dati);
    sopra->addSpacing(24);
    sopra->addLayout(risultati);
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addLayout(sopra);
    impaginazione->addWidget(grpFiscale);
    impaginazione->addWidget(grdDetrazione, 1);
    impaginazione->addWidget(lblNote);
    impaginazione->addWidget(CreaBottoni());
    // Return in a field only confirms it: it must not overwrite the
    // clipboard through a default button.
    InvioCliccaIBottoni(this);
    resize(760, 640);
    PosizionaAccanto(this, parent);
    // Typing straight away replaces the first value.
    txtSpeseIniziali->selectAll();
    Aggiorna();
}

// The two limits the law sets, or any other the user types.
void DlgCosti::CreaLimite(QFormLayout* modulo)
{
    cboLimite = new QComboBox(this);
    cboLimite->setObjectName(QStringLiteral("cboLimite"));
    cboLimite->setEditable(true);
    cboLimite->setInsertPolicy(QComboBox::NoInsert);
    txtLimite = new CampoNumerico(pianoamm::LimiteDetraibile, true, cboLimite);
    txtLimite->setObjectName(QStringLiteral("txtLimite"));
    // Named for what it is, not for the value it shows.
    cboLimite->setAccessibleName(QStringLiteral("Limite annuo detraibile"));
    txtLimite->setAccessibleName(cboLimite->accessibleName());
    cboLimite->setLineEdit(txtLimite);
    for (const auto& [limite, uso] :
         {std::pair{pianoamm::LimiteAbitazione, "acquisto dell'abitazione principale"},
          std::pair{pianoamm::LimiteCostruzione, "costruzione dell'abitazione principale"}}) {
        cboLimite->addItem(QLocale(QLocale::Italian, QLocale::Italy).toString(limite, 'f', 2), limite);
        cboLimite->setItemData(cboLimite->count() - 1, QString::fromUtf8(uso), Qt::ToolTipRole);
    }
    txtLimite->ImpostaValore(valori.regole.limite);
    connect(cboLimite, &QComboBox::activated, this,
            [this](int voce) { txtLimite->ImpostaValore(cboLimite->itemData(voce).toDouble()); });
    connect(txtLimite, &CampoNumerico::ValoreCambiato, this, &DlgCosti::Aggiorna);
    modulo->addRow(QStringLiteral("&Limite annuo detraibile:"), cboLimite);
    cboLimite->setAccessibleName(QStringLiteral("Limite annuo detraibile"));
}

QDialogButtonBox* DlgCosti::CreaBottoni()
{
    auto* bottoni = new QDialogButtonBox(this);
    connect(bottoni->addButton(QStringLiteral("C&opia"), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(TestoQt(Testo())); });
    connect(bottoni->addButton(QStringLiteral("S&tampa…"), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
            &DlgCosti::Stampa);
    connect(bottoni->addButton(QStringLiteral("&Esporta CSV…"), QDialogButtonBox::ActionRole), &QPushButton::clicked,
            this, [this] { SalvaCsv(this, QStringLiteral("detrazione.csv"), pianoamm::EsportaCsvDetrazione(Anni())); });
    bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return bottoni;
}

CampoNumerico* DlgCosti::Campo(QFormLayout* modulo, const QString& etichetta, const char* nome,
                               const pianoamm::Limite& limite, double iniziale)
{
    // Amounts group their digits; percentages are short.
    auto* campo = new CampoNumerico(limite, limite.massimo > 100, this);
    campo->setObjectName(QString::fromLatin1(nome));
    campo->ImpostaValore(iniziale);
    campo->setAccessibleName(QString(etichetta).remove(QLatin1Char('&')).chopped(1));
    connect(campo, &CampoNumerico::ValoreCambiato, this, &DlgCosti::Aggiorna);
    modulo->addRow(etichetta, campo);
    return campo;
}

pianoamm::Detrazione DlgCosti::Anni() const
{
    return pianoamm::DetrazionePerAnno(piano, valori.costi, valori.regole);
}

void DlgCosti::Aggiorna()
{
    valori.costi = {txtSpeseIniziali->Valore(), txtImposta->Valore(), txtSpeseRata->Valore()};
    valori.regole = {txtQuota->Valore(), txtLimite->Valore(), grpFiscale->Dati()};
    try {
        const auto voci = pianoamm::VociCostoCredito(pianoamm::CostoDelCredito(piano, valori.costi));
        for (std::size_t i = 0; i < voci.size(); ++i)
            lblCosti[i]->setText(TestoQt(voci[i].valore));
        const pianoamm::Detrazione detrazione = Anni();
        RiempiTabellaAnni(grdDetrazione, pianoamm::CelleDetrazione(detrazione, true));
        QStringList note;
        for (const std::string& nota : detrazione.note)
            note << QString::fromStdString(nota);
        lblNote->setText(note.join(QLatin1Char('\n')));
        lblNote->setVisible(!note.isEmpty());
    } catch (const pianoamm::ErrorePiano& errore) {
        lblCosti[1]->setText(QString::fromUtf8(errore.what()));
    }
}

std::string DlgCosti::Testo() const
{
    return pianoamm::TestoCostoCredito(pianoamm::CostoDelCredito(piano, valori.costi)) + "\n"
           + pianoamm::TabellaDetrazione(Anni());
}

// Under the listing's title and summary, so that the sheet says which loan
// it is about.
void DlgCosti::Stampa()
{
    const pianoamm::Listato listato = pianoamm::ComponiListato(piano);
    QStringList righe;
    for (std::size_t riga = 0; riga + 2 < pianoamm::RigheIntestazione; ++riga)
        righe << TestoQt(listato[riga]);
    QString testo = TestoQt(Testo());
    testo.chop(1);  // the last line's end
    righe << testo.split(QLatin1Char('\n'));
    StampaPagine(this, Impagina(righe, {}));
}

}  // namespace pianoamm
