#include "ui/finestre/dlg_condizioni.h"

#include "ui/comune/posizione.h"
#include "ui/comune/scelte.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/conferma_motivata.h"
#include "ui/controlli/gruppo_tasso_variabile.h"
#include "ui/controlli/motivo_campo.h"
#include "ui/finestre/dlg_guida.h"

#include "engine/errore.h"
#include "engine/prima_scadenza.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <type_traits>

namespace pianoamm {

namespace {

// A term's field with the line under it that says what it means.
template <class Campo>
Campo* Termine(QFormLayout* modulo, const QString& etichetta, const char* nome, Campo* campo,
               const QString& spiegazione)
{
    campo->setObjectName(QString::fromLatin1(nome));
    auto* nota = new QLabel(spiegazione, modulo->parentWidget());
    nota->setWordWrap(true);
    nota->setForegroundRole(QPalette::PlaceholderText);
    campo->setAccessibleDescription(spiegazione);
    if constexpr (std::is_base_of_v<CampoNumerico, Campo>)
        RigaConMotivo(modulo, etichetta, campo);
    else
        modulo->addRow(etichetta, campo);
    modulo->addRow(QString(), nota);
    return campo;
}

}  // namespace

DlgCondizioni::DlgCondizioni(const Mutuo& mutuo, QWidget* parent) : QDialog(parent), mutuoDato(mutuo)
{
    const Condizioni& condizioni = mutuo.condizioni;
    setObjectName(QStringLiteral("DlgCondizioni"));
    ConGuida(this, QStringLiteral("condizioni"));
    setWindowTitle(QStringLiteral("Condizioni del piano"));
    auto* pannello = new QWidget(this);
    auto* modulo = new QFormLayout(pannello);
    cboArrotondamento = Termine(modulo, QStringLiteral("Arrot&ondamento:"), "cboArrotondamento",
                                new QComboBox(pannello), SpiegazioneVoci(Arrotondamenti));
    RiempiScelte(cboArrotondamento, Arrotondamenti, condizioni.arrotondamento);
    cboTassoPeriodo = Termine(modulo, QStringLiteral("&Tasso periodale:"), "cboTassoPeriodo", new QComboBox(pannello),
                              SpiegazioneVoci(RegoleTassoPeriodo));
    RiempiScelte(cboTassoPeriodo, RegoleTassoPeriodo, condizioni.tassoPeriodo);
    cboMetodo =
        Termine(modulo, QStringLiteral("M&etodo:"), "cboMetodo", new QComboBox(pannello), SpiegazioneVoci(Metodi));
    RiempiScelte(cboMetodo, Metodi, condizioni.metodo);
    txtMaxiRata = Termine(modulo, QStringLiteral("&Maxi-rata finale:"), "txtMaxiRata",
                          new CampoNumerico(LimiteMaxiRata, true, pannello),
                          QStringLiteral("Pagata con l'ultima rata, oltre a essa; le rate pagano il resto del debito "
                                         "(0: nessuna)."));
    txtMaxiRata->ImpostaValore(condizioni.maxiRata);
    spnPreammortamento =
        Termine(modulo, QStringLiteral("&Rate di preammortamento:"), "spnPreammortamento", new QSpinBox(pannello),
                QStringLiteral("Rate di soli interessi prima delle rate del piano, con la stessa "
                               "cadenza (0: nessuna)."));
    spnPreammortamento->setRange(static_cast<int>(LimitePreammortamento.minimo),
                                 static_cast<int>(LimitePreammortamento.massimo));
    spnPreammortamento->setValue(condizioni.preammortamento);
    txtPrimaScadenza = Termine(modulo, QStringLiteral("&Prima scadenza:"), "txtPrimaScadenza", new QLineEdit(pannello),
                               QStringLiteral("La rata 1 scade in questa data, le altre ogni periodo dopo; i giorni "
                                              "dall'erogazione all'inizio del suo periodo pagano interessi a parte "
                                              "(preammortamento tecnico, riga 0)."));
    txtPrimaScadenza->setPlaceholderText(QStringLiteral("GG/MM/AAAA"));
    txtPrimaScadenza->setText(
        QString::fromStdString(FormatoData(condizioni.primaScadenza.value_or(Scadenza(mutuo, std::nullopt, 1)))));
    cboBaseGiorni = Termine(modulo, QStringLiteral("&Base dei giorni:"), "cboBaseGiorni", new QComboBox(pannello),
                            SpiegazioneVoci(BasiGiorni));
    RiempiScelte(cboBaseGiorni, BasiGiorni, condizioni.baseGiorni);
    connect(txtPrimaScadenza, &QLineEdit::textChanged, this, &DlgCondizioni::Controlla);
    connect(txtMaxiRata, &CampoNumerico::ValoreCambiato, this, &DlgCondizioni::Controlla);
    connect(cboMetodo, &QComboBox::currentIndexChanged, this, &DlgCondizioni::Controlla);
    grpTassoVariabile = new GruppoTassoVariabile(condizioni.tassoVariabile, this);
    connect(grpTassoVariabile, &GruppoTassoVariabile::Cambiato, this, &DlgCondizioni::Controlla);
    // The variable rate, and the days' interest under it, beside the other
    // terms: under them the dialog would be taller than a small screen.
    auto* accanto = new QWidget(this);
    cboInteressiGiorni = Termine(new QFormLayout(accanto), QStringLiteral("&Quota interessi sui giorni effettivi:"),
                                 "cboInteressiGiorni", new QComboBox(accanto),
                                 QStringLiteral("Interessi di ogni rata sui giorni dalla scadenza precedente, divisi "
                                                "per 360 o 365; la rata non cambia (No: tasso della rata)."));
    cboInteressiGiorni->addItem(QStringLiteral("No"));
    RiempiScelte(cboInteressiGiorni, BasiGiorni, condizioni.interessiGiorni);
    auto* destra = new QVBoxLayout;
    destra->addWidget(grpTassoVariabile);
    destra->addWidget(accanto);
    destra->addStretch();
    auto* colonne = new QHBoxLayout;
    colonne->addWidget(pannello);
    colonne->addLayout(destra);
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addLayout(colonne);
    conferma = std::make_unique<ConfermaMotivata>(this, impaginazione);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    Controlla();
    resize(sizeHint());
    PosizionaAccanto(this, parent);
}

DlgCondizioni::~DlgCondizioni() = default;

void DlgCondizioni::Controlla()
{
    try {
        if (!LeggiData(txtPrimaScadenza->text().trimmed().toStdString()))
            throw ErrorePiano("La prima scadenza non è valida: scriverla come GG/MM/AAAA.");
        Mutuo scelto = mutuoDato;
        scelto.condizioni = Scelte();
        ControllaCondizioni(scelto.condizioni, scelto.importo);
        ControllaTassoVariabile(scelto);
        PrimoPeriodoDi(scelto);
        conferma->Mostra(std::nullopt);
    } catch (const ErrorePiano& errore) {
        conferma->Mostra(QString::fromStdString(errore.what()));
    }
}

Condizioni DlgCondizioni::Scelte() const
{
    Condizioni scelte;
    scelte.arrotondamento = ValoreScelto<Arrotondamento>(cboArrotondamento);
    scelte.metodo = ValoreScelto<Metodo>(cboMetodo);
    scelte.tassoPeriodo = ValoreScelto<TassoPeriodo>(cboTassoPeriodo);
    scelte.maxiRata = txtMaxiRata->Valore();
    scelte.preammortamento = spnPreammortamento->value();
    scelte.primaScadenza = PrimaScadenza();
    scelte.baseGiorni = ValoreScelto<BaseGiorni>(cboBaseGiorni);
    if (cboInteressiGiorni->currentIndex() > 0)
        scelte.interessiGiorni = ValoreScelto<BaseGiorni>(cboInteressiGiorni);
    scelte.tassoVariabile = grpTassoVariabile->Dati();
    return scelte;
}

std::optional<Data> DlgCondizioni::PrimaScadenza() const
{
    const auto scritta = LeggiData(txtPrimaScadenza->text().trimmed().toStdString());
    if (!scritta || *scritta == Scadenza(mutuoDato, std::nullopt, 1))
        return std::nullopt;
    return scritta;
}

}  // namespace pianoamm
