#include "ui/finestre/dlg_evento.h"

#include "engine/formato.h"
#include "print/testo_qt.h"
#include "ui/comune/aspetto.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/conferma_motivata.h"
#include "ui/controlli/motivo_campo.h"
#include "ui/finestre/dlg_guida.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

namespace pianoamm {

namespace {

// Where a kind's fields go: under the installment's, in the dialog, each
// change checked.
struct Modulo {
    QDialog* dialogo;
    QFormLayout* campi;
    QSpinBox* spnRata;
    std::function<void()> controlla;

    template <class Segnale, class Controllo>
    void Segui(Controllo* controllo, Segnale segnale) const
    {
        // The fields outlive this description of them: the check is copied.
        QObject::connect(controllo, segnale, dialogo, [azione = controlla] { azione(); });
    }
};

// The table's values as options under etichetta, the one of corrente
// checked, each one's help as its tip.
template <class Valore, std::size_t N>
std::array<QRadioButton*, N> Scelta(const Modulo& modulo, const QString& etichetta,
                                    const std::array<Voce<Valore>, N>& voci, Valore corrente)
{
    std::array<QRadioButton*, N> opzioni{};
    for (std::size_t i = 0; i < N; ++i) {
        opzioni[i] = new QRadioButton(TestoQt(voci[i].etichetta), modulo.dialogo);
        opzioni[i]->setToolTip(TestoQt(voci[i].aiuto));
        opzioni[i]->setChecked(voci[i].valore == corrente);
        modulo.campi->addRow(i == 0 ? etichetta : QString(), opzioni[i]);
        // The first option never changes alone: another one's toggle comes
        // with it.
        if (i > 0)
            modulo.Segui(opzioni[i], &QRadioButton::toggled);
    }
    return opzioni;
}

// The value of the option checked, as Scelta made them.
template <class Valore, std::size_t N>
Valore Scelto(const std::array<QRadioButton*, N>& opzioni, const std::array<Voce<Valore>, N>& voci)
{
    const auto scelta = std::ranges::find_if(opzioni, &QRadioButton::isChecked);
    return voci.at(static_cast<std::size_t>(scelta - opzioni.begin())).valore;
}

// Each kind's fields: they give how the event reads from them.
std::function<Evento()> Campi(const Estinzione& estinzione, const Modulo& modulo)
{
    auto* txtValore = new CampoNumerico(LimiteImporto, true, modulo.dialogo);
    txtValore->setObjectName(QStringLiteral("txtValore"));
    txtValore->ImpostaValore(estinzione.importo.value_or(0));
    auto* chkTutto = new QCheckBox(QStringLiteral("&Tutto il debito residuo"), modulo.dialogo);
    chkTutto->setChecked(!estinzione.importo);
    RigaConMotivo(modulo.campi, QStringLiteral("&Importo:"), txtValore);
    modulo.campi->addRow(QString(), chkTutto);
    const auto optRiduzione = Scelta(modulo, QStringLiteral("Poi:"), Riduzioni, estinzione.riduzione);
    // The whole debt repaid ends the plan: nothing is left to reduce.
    std::vector<QWidget*> dipendenti(optRiduzione.begin(), optRiduzione.end());
    dipendenti.push_back(txtValore);
    for (QWidget* dipende : dipendenti) {
        dipende->setDisabled(chkTutto->isChecked());
        QObject::connect(chkTutto, &QCheckBox::toggled, dipende, &QWidget::setDisabled);
    }
    modulo.Segui(txtValore, &CampoNumerico::ValoreCambiato);
    modulo.Segui(chkTutto, &QCheckBox::toggled);
    txtValore->selectAll();
    txtValore->setFocus();
    return [spnRata = modulo.spnRata, txtValore, chkTutto, optRiduzione] {
        return Evento(Estinzione{spnRata->value(),
                                 chkTutto->isChecked() ? std::nullopt : std::optional(txtValore->Valore()),
                                 Scelto(optRiduzione, Riduzioni)});
    };
}

std::function<Evento()> Campi(const Variazione& variazione, const Modulo& modulo)
{
    auto* txtValore = new CampoNumerico(LimiteTasso, false, modulo.dialogo);
    txtValore->setObjectName(QStringLiteral("txtValore"));
    txtValore->ImpostaValore(variazione.tassoAnnuo);
    RigaConMotivo(modulo.campi, QStringLiteral("Nuovo &tasso annuo (%):"), txtValore);
    modulo.Segui(txtValore, &CampoNumerico::ValoreCambiato);
    txtValore->selectAll();
    txtValore->setFocus();
    return [spnRata = modulo.spnRata, txtValore] { return Evento(Variazione{spnRata->value(), txtValore->Valore()}); };
}

std::function<Evento()> Campi(const Sospensione& sospensione, const Modulo& modulo)
{
    // A number field like the others: a count past the limit is refused
    // with its reason, not silently.
    auto* txtSospese = new CampoNumerico(LimiteRateSospese, false, modulo.dialogo);
    txtSospese->setObjectName(QStringLiteral("txtSospese"));
    txtSospese->ImpostaValore(sospensione.rate);
    RigaConMotivo(modulo.campi, QStringLiteral("&Numero di rate sospese:"), txtSospese);
    const auto optTipo = Scelta(modulo, QStringLiteral("Si sospende:"), TipiSospensione, sospensione.tipo);
    // The whole installment's, last in the table.
    optTipo.back()->setObjectName(QStringLiteral("optRataIntera"));
    modulo.Segui(txtSospese, &CampoNumerico::ValoreCambiato);
    txtSospese->selectAll();
    txtSospese->setFocus();
    return [spnRata = modulo.spnRata, txtSospese, optTipo] {
        return Evento(
            Sospensione{spnRata->value(), static_cast<int>(txtSospese->Valore()), Scelto(optTipo, TipiSospensione)});
    };
}

// Where the event would go, as the plan without it stands.
QString Situazione(const std::vector<RigaPiano>& righe, int dopoRata)
{
    if (dopoRata < 1 || dopoRata > UltimaRata(righe))
        return QStringLiteral("Senza questo evento il piano finisce alla rata %1.").arg(UltimaRata(righe));
    const RigaPiano& riga = RigaDellaRata(righe, dopoRata);
    return QStringLiteral("Scadenza %1 — debito residuo dopo la rata %2: %3 €")
        .arg(TestoQt(FormatoData(riga.scadenza)))
        .arg(dopoRata)
        .arg(DueDecimali(riga.debitoResiduo));
}

}  // namespace

DlgEvento::DlgEvento(const Evento& evento, std::vector<RigaPiano> senza, Verifica controllo, QWidget* parent)
    : QDialog(parent), verifica(std::move(controllo))
{
    setObjectName(QStringLiteral("DlgEvento"));
    ConGuida(this, QStringLiteral("simulazione"));
    QString titolo = TestoQt(NomiDi(evento).nome);
    titolo[0] = titolo[0].toUpper();
    setWindowTitle(titolo);
    auto* modulo = new QFormLayout;
    auto* spnRata = new QSpinBox(this);
    spnRata->setObjectName(QStringLiteral("spnRata"));
    spnRata->setRange(1, std::max({UltimaRata(senza) - 1, DopoRata(evento), 1}));
    spnRata->setValue(DopoRata(evento));
    modulo->addRow(QStringLiteral("Dopo la &rata:"), spnRata);
    // Read by the keyboard too, its text its name: a screen reader reaches
    // it with Tab and says it.
    auto* lblSituazione = new QLabel(this);
    lblSituazione->setObjectName(QStringLiteral("lblSituazione"));
    lblSituazione->setWordWrap(false);  // the dialog is made wide enough for it
    lblSituazione->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblSituazione->setFocusPolicy(Qt::StrongFocus);
    modulo->addRow(QString(), lblSituazione);
    const auto mostra = [lblSituazione, righe = std::move(senza)](int dopoRata) {
        lblSituazione->setText(Situazione(righe, dopoRata));
    };
    mostra(spnRata->value());
    connect(spnRata, &QSpinBox::valueChanged, this, mostra);
    connect(spnRata, &QSpinBox::valueChanged, this, &DlgEvento::Controlla);
    leggi = std::visit(
        [&](const auto& e) {
            return Campi(e, {this, modulo, spnRata, [this] { Controlla(); }});
        },
        evento);

    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addLayout(modulo);
    conferma = std::make_unique<ConfermaMotivata>(this, impaginazione);
    // The due date and the debt read on one line at any scale, the margins
    // and the label column beside them.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Dopo la rata: "))
                    + lblSituazione->fontMetrics().horizontalAdvance(
                        QStringLiteral("Scadenza 15/06/2027 — debito residuo dopo la rata 999: 999.999.999,99 €"))
                    + 60);
    Controlla();
}

DlgEvento::~DlgEvento() = default;

void DlgEvento::Controlla()
{
    conferma->Mostra(verifica(Scelto()));
}

}  // namespace pianoamm
