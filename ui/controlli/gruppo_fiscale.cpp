#include "ui/controlli/gruppo_fiscale.h"

#include "ui/comune/aspetto.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/motivo_campo.h"

#include "engine/data.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace pianoamm {

namespace {

// Here a cost of 0 stands for one not given.
constexpr Limite LimiteCostoFacoltativo{0, LimiteCostoAcquisto.massimo, 2, LimiteCostoAcquisto.oggetto};

}  // namespace

GruppoFiscale::GruppoFiscale(const DatiFiscali& iniziali, QWidget* parent)
    : QGroupBox(QStringLiteral("Dati &fiscali (regole dal 2024)"), parent), dati(iniziali)
{
    setObjectName(QStringLiteral("grpFiscale"));
    setCheckable(true);
    setChecked(iniziali.Dati());
    auto* modulo = new QFormLayout(this);
    txtCostoAcquisto = Campo(QStringLiteral("Costo d'&acquisto (0: non indicato):"), "txtCostoAcquisto",
                             LimiteCostoFacoltativo, iniziali.costoAcquisto.value_or(0));
    txtReddito =
        Campo(QStringLiteral("Reddito &complessivo:"), "txtReddito", LimiteReddito, iniziali.reddito.value_or(0));
    cboFigli = new QComboBox(this);
    cboFigli->setObjectName(QStringLiteral("cboFigli"));
    cboFigli->addItems({QStringLiteral("Nessuno"), QStringLiteral("1"), QStringLiteral("2"),
                        QStringLiteral("3 o più, o con disabilità")});
    cboFigli->setCurrentIndex(iniziali.figli.value_or(0));
    modulo->addRow(QStringLiteral("Fi&gli a carico:"), cboFigli);
    connect(cboFigli, &QComboBox::currentIndexChanged, this, &GruppoFiscale::Cambiato);
    txtAltriOneri = Campo(QStringLiteral("Altri o&neri al 19 %:"), "txtAltriOneri", LimiteAltriOneri,
                          iniziali.altriOneri.value_or(0));
    txtDataContratto = new QLineEdit(this);
    txtDataContratto->setObjectName(QStringLiteral("txtDataContratto"));
    txtDataContratto->setPlaceholderText(QStringLiteral("GG/MM/AAAA: quella di erogazione"));
    if (iniziali.dataContratto)
        txtDataContratto->setText(QString::fromStdString(FormatoData(*iniziali.dataContratto)));
    modulo->addRow(QStringLiteral("&Data del contratto:"), txtDataContratto);
    auto* motivoData = RigaMotivo(modulo);
    connect(txtDataContratto, &QLineEdit::textChanged, this, [this, motivoData] {
        // A date that is not one is said so, and not used.
        const bool valida =
            txtDataContratto->text().isEmpty() || LeggiData(txtDataContratto->text().toStdString()).has_value();
        const QString perche = QStringLiteral("Data non valida: scriverla come GG/MM/AAAA; finché non lo è vale "
                                              "quella di erogazione.");
        SegnaNonValido(txtDataContratto, valida, perche);
        motivoData->Mostra(valida ? QString() : perche);
        emit Cambiato();
    });
    connect(this, &QGroupBox::toggled, this, &GruppoFiscale::Cambiato);
}

CampoNumerico* GruppoFiscale::Campo(const QString& etichetta, const char* nome, const Limite& limite, double iniziale)
{
    auto* campo = new CampoNumerico(limite, true, this);
    campo->setObjectName(QString::fromLatin1(nome));
    campo->ImpostaValore(iniziale);
    connect(campo, &CampoNumerico::ValoreCambiato, this, &GruppoFiscale::Cambiato);
    RigaConMotivo(static_cast<QFormLayout*>(layout()), etichetta, campo);
    return campo;
}

DatiFiscali GruppoFiscale::Dati() const
{
    if (!isChecked())
        return {};
    // The 0 a field shows for a figure not given is no figure given: the
    // loan stays as it was.
    const auto dato = [](auto valore, const auto& prima) {
        return !prima && valore == 0 ? std::nullopt : std::optional(valore);
    };
    const double costo = txtCostoAcquisto->Valore();
    return {costo > 0 ? std::optional(costo) : std::nullopt, dato(txtReddito->Valore(), dati.reddito),
            dato(cboFigli->currentIndex(), dati.figli), dato(txtAltriOneri->Valore(), dati.altriOneri),
            LeggiData(txtDataContratto->text().toStdString())};
}

}  // namespace pianoamm
