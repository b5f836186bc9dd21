#include "ui/finestre/dlg_dalla_rata.h"

#include "ui/comune/aspetto.h"
#include "ui/comune/scelte.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/conferma_motivata.h"
#include "ui/controlli/motivo_campo.h"
#include "ui/finestre/dlg_guida.h"

#include "engine/cadenza.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/soldi.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <type_traits>

namespace pianoamm {

namespace {

// The answer in a sentence; a rate also says what the data page's two
// decimals make of it.
QString Risposta(const Mutuo& trovato, Incognita incognita, Mutuo& daUsare)
{
    daUsare = trovato;
    switch (incognita) {
    case Incognita::Tasso:
        // Halves up on the four decimals shown.
        daUsare.tassoAnnuo = DueDecimaliMetaInSu(trovato.tassoAnnuo);
        return QStringLiteral("Tasso annuo trovato: %1 %. Nel campo del tasso, a due decimali, va %2 %: la rata è "
                              "allora %3.")
            .arg(QString::fromStdString(FormatoDecimali(trovato.tassoAnnuo, 4, false)), DueDecimali(daUsare.tassoAnnuo),
                 DueDecimali(PianoAmm(daUsare).rata));
    case Incognita::NumeroRate:
        return QStringLiteral("Numero di rate trovato: %1 (rata %2).")
            .arg(trovato.numeroRate)
            .arg(DueDecimali(PianoAmm(trovato).rata));
    case Incognita::Importo:
        break;
    }
    // The plan must take the amount: a balloon above it, or too many rows
    // with the pre-amortisation's, is refused with its reason.
    (void)PianoAmm(trovato);
    return QStringLiteral("Importo trovato: %1.").arg(DueDecimali(trovato.importo));
}

template <class Campo>
Campo* Riga(QFormLayout* modulo, const QString& etichetta, const char* nome, Campo* campo)
{
    campo->setObjectName(QString::fromLatin1(nome));
    if constexpr (std::is_base_of_v<CampoNumerico, Campo>)
        RigaConMotivo(modulo, etichetta, campo);
    else
        modulo->addRow(etichetta, campo);
    return campo;
}

}  // namespace

DlgDallaRata::DlgDallaRata(const Mutuo& noto, QWidget* parent) : QDialog(parent), mutuo(noto), trovato(noto)
{
    setObjectName(QStringLiteral("DlgDallaRata"));
    ConGuida(this, QStringLiteral("dalla-rata"));
    setWindowTitle(QStringLiteral("Calcola dalla rata"));
    auto* pannello = new QWidget(this);
    auto* modulo = new QFormLayout(pannello);
    txtRata = Riga(modulo, QStringLiteral("&Rata:"), "txtRata", new CampoNumerico(LimiteRata, true, pannello));
    cboIncognita = Riga(modulo, QStringLiteral("&Da trovare:"), "cboIncognita", new QComboBox(pannello));
    RiempiScelte(cboIncognita, Incognite, Incognita::Tasso);
    txtImportoNoto =
        Riga(modulo, QStringLiteral("&Importo:"), "txtImportoNoto", new CampoNumerico(LimiteImporto, true, pannello));
    txtNumRateNoto = Riga(modulo, QStringLiteral("&Numero di rate:"), "txtNumRateNoto",
                          new CampoNumerico(LimiteNumeroRate, false, pannello));
    txtTassoNoto = Riga(modulo, QStringLiteral("&Tasso annuo %:"), "txtTassoNoto",
                        new CampoNumerico(LimiteTasso, false, pannello));
    cboCadenza = Riga(modulo, QStringLiteral("&Cadenza:"), "cboCadenza", new QComboBox(pannello));
    RiempiScelte(cboCadenza, Cadenze, noto.cadenza);
    const std::string termini = DescrizioneCondizioni(noto.condizioni);
    modulo->addRow(
        QStringLiteral("Condizioni:"),
        new QLabel(termini.empty() ? QStringLiteral("quelle predefinite") : QString::fromStdString(termini).toLower(),
                   pannello));
    txtImportoNoto->ImpostaValore(noto.importo);
    txtNumRateNoto->ImpostaValore(noto.numeroRate);
    txtTassoNoto->ImpostaValore(noto.tassoAnnuo);
    try {
        txtRata->ImpostaValore(Arrotondato(PianoAmm(noto).rata, 100));
    } catch (const ErrorePiano&) {
        // A loan with no plan yet: the installment is typed.
    }
    lblRisposta = new QLabel(this);
    lblRisposta->setObjectName(QStringLiteral("lblRisposta"));
    lblRisposta->setAccessibleName(QStringLiteral("Risposta"));
    lblRisposta->setWordWrap(true);
    lblRisposta->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addWidget(pannello);
    impaginazione->addWidget(lblRisposta);
    conferma = std::make_unique<ConfermaMotivata>(this, impaginazione, QStringLiteral("&Usa"));
    for (CampoNumerico* campo : {txtRata, txtImportoNoto, txtNumRateNoto, txtTassoNoto})
        connect(campo, &CampoNumerico::ValoreCambiato, this, &DlgDallaRata::Calcola);
    for (QComboBox* scelta : {cboIncognita, cboCadenza})
        connect(scelta, &QComboBox::currentIndexChanged, this, &DlgDallaRata::Calcola);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    Calcola();
}

DlgDallaRata::~DlgDallaRata() = default;

Incognita DlgDallaRata::Cercata() const
{
    return ValoreScelto<Incognita>(cboIncognita);
}

void DlgDallaRata::Calcola()
{
    const Incognita incognita = Cercata();
    txtTassoNoto->setEnabled(incognita != Incognita::Tasso);
    txtNumRateNoto->setEnabled(incognita != Incognita::NumeroRate);
    txtImportoNoto->setEnabled(incognita != Incognita::Importo);
    Mutuo noto = mutuo;
    noto.importo = txtImportoNoto->Valore();
    noto.numeroRate = static_cast<int>(txtNumRateNoto->Valore());
    noto.tassoAnnuo = txtTassoNoto->Valore();
    noto.cadenza = ValoreScelto<Cadenza>(cboCadenza);
    try {
        lblRisposta->setText(Risposta(Risolvi(noto, txtRata->Valore(), incognita), incognita, trovato));
        conferma->Mostra(std::nullopt);
    } catch (const ErrorePiano& errore) {
        lblRisposta->clear();
        conferma->Mostra(QString::fromStdString(errore.what()));
    }
    lblRisposta->setVisible(!lblRisposta->text().isEmpty());
}

}  // namespace pianoamm
