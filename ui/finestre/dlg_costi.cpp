#include "ui/finestre/dlg_costi.h"

#include "engine/dati_costi.h"
#include "engine/errore.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/azioni/modello_offerta.h"
#include "ui/comune/aspetto.h"
#include "ui/comune/nome_casella.h"
#include "ui/comune/posizione.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/gruppo_fiscale.h"
#include "ui/controlli/gruppo_rialzo.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/controlli/modello_tabella.h"
#include "ui/controlli/motivo_campo.h"
#include "ui/finestre/dlg_guida.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <iterator>
#include <tuple>
#include <utility>

namespace pianoamm {

DlgCosti::DlgCosti(pianoamm::Piano pianoMostrato, ModelloOfferta& modello, QWidget* parent)
    : QDialog(parent), piano(std::move(pianoMostrato)), offerta(modello)
{
    setObjectName(QStringLiteral("DlgCosti"));
    ConGuida(this, QStringLiteral("costi"));
    setWindowTitle(QStringLiteral("Costi, TAEG e detrazione"));

    auto* dati = new QFormLayout;
    txtSpeseIniziali = Campo(dati, QStringLiteral("&Spese iniziali:"), "txtSpeseIniziali",
                             pianoamm::LimiteSpeseIniziali, offerta.Corrente().costi.speseIniziali);
    txtImposta = Campo(dati, QStringLiteral("&Imposta sostitutiva (%):"), "txtImpostaSostitutiva",
                       pianoamm::LimiteImposta, offerta.Corrente().costi.impostaSostitutiva);
    txtSpeseRata = Campo(dati, QStringLiteral("Spese per &rata:"), "txtSpeseRata", pianoamm::LimiteSpeseRata,
                         offerta.Corrente().costi.speseRata);
    txtQuota = Campo(dati, QStringLiteral("&Quota a proprio carico (%):"), "txtQuota", pianoamm::LimiteQuota,
                     offerta.Corrente().regole.quota);
    CreaLimite(dati);

    QFormLayout* risultati = CreaRisultati();
    // Beside the TAEG it is read against, under the costs it takes.
    grpRialzo = new GruppoRialzo(this);

    grpFiscale = new GruppoFiscale(offerta.Corrente().regole.fiscali, this);
    connect(grpFiscale, &GruppoFiscale::Cambiato, this, &DlgCosti::Aggiorna);
    modelloDetrazione = new ModelloTabella(false, true, this);
    modelloDetrazione->Mostra(pianoamm::CelleDetrazione(pianoamm::Detrazione{}));
    grdDetrazione = CreaTabella(modelloDetrazione, this);
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
    impaginazione->addWidget(grpRialzo);
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

// The two limits the law sets, each saying what it is for, or any other the
// user types in the combo's number field.
void DlgCosti::CreaLimite(QFormLayout* modulo)
{
    cboLimite = new QComboBox(this);
    cboLimite->setObjectName(QStringLiteral("cboLimite"));
    NomeDallaEtichetta(cboLimite);
    cboLimite->setEditable(true);
    cboLimite->setInsertPolicy(QComboBox::NoInsert);
    // The field as wide as a number needs; the list as wide as its captions.
    cboLimite->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboLimite->setMinimumContentsLength(14);
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    for (const auto& [limite, uso] : {std::pair{pianoamm::LimiteAbitazione, "acquisto dell'abitazione principale"},
                                      std::pair{pianoamm::LimiteCostruzione, "costruzione dell'abitazione principale"}})
        cboLimite->addItem(italiano.toString(limite, 'f', 2) + QStringLiteral(" — ") + QString::fromUtf8(uso), limite);
    cboLimite->view()->setMinimumWidth(cboLimite->view()->sizeHintForColumn(0));
    if (const int voce = cboLimite->findData(offerta.Corrente().regole.limite); voce >= 0)
        cboLimite->setCurrentIndex(voce);
    txtLimite = Campo(modulo, QStringLiteral("&Limite annuo detraibile:"), "txtLimite", pianoamm::LimiteDetraibile,
                      offerta.Corrente().regole.limite, cboLimite);
    // Choosing a limit puts its caption in the field, and the number goes
    // there after it.
    connect(cboLimite, &QComboBox::activated, this,
            [this](int voce) { txtLimite->ImpostaValore(cboLimite->itemData(voce).toDouble()); });
}

// The results in fields that take the focus, so that Tab reaches them and
// a screen reader reads each by its label; read-only, their text can be
// selected and copied.
QFormLayout* DlgCosti::CreaRisultati()
{
    auto* risultati = new QFormLayout;
    const char* nomi[] = {"txtTan",           "txtTaeg",          "txtCostoTotale",
                          "txtImportoDovuto", "txtImpostaInEuro", "txtImportoNetto"};
    static_assert(std::size(nomi) == std::tuple_size_v<decltype(txtCosti)>);
    for (std::size_t i = 0; i < txtCosti.size(); ++i) {
        txtCosti[i] = CampoDiLettura(this, QString::fromLatin1(nomi[i]), TestoQt(pianoamm::EtichetteCosto[i]));
        risultati->addRow(TestoQt(pianoamm::EtichetteCosto[i]) + QLatin1Char(':'), txtCosti[i]);
    }
    return risultati;
}

QDialogButtonBox* DlgCosti::CreaBottoni()
{
    auto* bottoni = new QDialogButtonBox(this);
    const auto bottone = [&](const QString& testo, const char* nome, auto azione) {
        QPushButton* comando = bottoni->addButton(testo, QDialogButtonBox::ActionRole);
        comando->setObjectName(QString::fromLatin1(nome));
        comando->setAccessibleName(QString(testo).remove(QLatin1Char('&')).remove(QChar(0x2026)));
        // A variable rate's TAEG at the contract's level may not be
        // worked out (an index starting after the disbursement).
        connect(comando, &QPushButton::clicked, this, [this, azione] { EseguiOAvvisa(this, azione); });
    };
    // Letters clear of the fields' (S, I, R, Q, L; F and A, C, G, N, D in
    // the fiscal group).
    bottone(QStringLiteral("C&opia"), "cmdCopia", [this] { QGuiApplication::clipboard()->setText(TestoQt(Testo())); });
    bottone(QStringLiteral("S&tampa…"), "cmdStampa",
            [this] { StampaPagine(this, Pagine(), {}, QStringLiteral("costi.pdf")); });
    bottone(QStringLiteral("Salva come &PDF…"), "cmdPdf",
            [this] { SalvaPaginePdf(this, QStringLiteral("costi.pdf"), Pagine()); });
    bottone(QStringLiteral("&Esporta CSV…"), "cmdCsv", [this] {
        SalvaCsv(this, QStringLiteral("detrazione.csv"),
                 pianoamm::EsportaCsvCosti(piano, offerta.Corrente().costi, offerta.Corrente().regole, true,
                                           grpRialzo->Rialzo()));
    });
    QPushButton* chiudi = bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setAccessibleName(QStringLiteral("Chiudi"));
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return bottoni;
}

// Every number field of the window is made and put in the form here: on
// its own, or as the number field of scelte, which then takes its row.
CampoNumerico* DlgCosti::Campo(QFormLayout* modulo, const QString& etichetta, const char* nome,
                               const pianoamm::Limite& limite, double iniziale, QComboBox* scelte)
{
    // Amounts group their digits; percentages are short.
    auto* campo = new CampoNumerico(limite, limite.massimo > 100, this);
    campo->setObjectName(QString::fromLatin1(nome));
    // Named for what it is, not for the value it shows.
    campo->setAccessibleName(QString(etichetta).remove(QLatin1Char('&')).chopped(1));
    QWidget* riga = campo;
    if (scelte != nullptr) {
        scelte->setAccessibleName(campo->accessibleName());
        scelte->setLineEdit(campo);
        // The captions are no numbers: nothing completes what is typed.
        scelte->setCompleter(nullptr);
        riga = scelte;
    }
    // After the combo has put its caption in the field.
    campo->ImpostaValore(iniziale);
    connect(campo, &CampoNumerico::ValoreCambiato, this, &DlgCosti::Aggiorna);
    RigaConMotivo(modulo, etichetta, campo, riga);
    return campo;
}

pianoamm::Detrazione DlgCosti::Anni() const
{
    return pianoamm::DetrazionePerAnno(piano, offerta.Corrente().costi, offerta.Corrente().regole);
}

void DlgCosti::Aggiorna()
{
    offerta.ImpostaCosti(
        {txtSpeseIniziali->Valore(), txtImposta->Valore(), txtSpeseRata->Valore()},
        {txtQuota->Valore(), txtLimite->Valore(), grpFiscale->Dati(), offerta.Corrente().regole.debitoSostituito});
    try {
        const pianoamm::CostoCredito costo = pianoamm::CostoDelCredito(piano, offerta.Corrente().costi);
        const auto voci = pianoamm::VociCostoCredito(costo);
        for (std::size_t i = 0; i < voci.size(); ++i) {
            txtCosti[i]->setText(TestoQt(pianoamm::TestoCella(voci[i].valore)));
            txtCosti[i]->setCursorPosition(0);
        }
        // A TAEG that cannot be worked out says why.
        txtCosti[1]->setToolTip(costo.taeg ? QString() : TestoQt(pianoamm::TaegNonCalcolabile));
        grpRialzo->Mostra(piano, offerta.Corrente().costi);
        const pianoamm::Detrazione detrazione = Anni();
        modelloDetrazione->Mostra(pianoamm::CelleDetrazione(detrazione));
        QStringList note;
        for (const std::string& nota : detrazione.note)
            note << QString::fromStdString(nota);
        lblNote->setText(note.join(QLatin1Char('\n')));
        lblNote->setVisible(!note.isEmpty());
    } catch (const pianoamm::ErrorePiano& errore) {
        txtCosti[1]->setText(QString::fromUtf8(errore.what()));
        txtCosti[1]->setCursorPosition(0);
        txtCosti[1]->setToolTip(QString::fromUtf8(errore.what()));
    }
}

std::string DlgCosti::Testo() const
{
    return pianoamm::TestoDatiCosti(piano, offerta.Corrente().costi, &offerta.Corrente().regole) + "\n"
           + pianoamm::TestoVoci(pianoamm::VociCosto(piano, offerta.Corrente().costi, grpRialzo->Rialzo())) + "\n"
           + pianoamm::TabellaDetrazione(Anni());
}

QList<QStringList> DlgCosti::Pagine() const
{
    const auto righe = [](const std::string& testo) {
        QString qt = TestoQt(testo);
        qt.chop(1);  // the last line's end
        return qt.split(QLatin1Char('\n'));
    };
    return Impagina(righe(Testo()), righe(pianoamm::TabellaDetrazione(Anni())).mid(0, 2));
}

}  // namespace pianoamm
