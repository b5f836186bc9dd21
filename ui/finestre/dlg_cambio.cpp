#include "ui/finestre/dlg_cambio.h"

#include "engine/errore.h"
#include "print/testo_qt.h"
#include "ui/azioni/documento.h"
#include "ui/comune/scelte.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/motivo_campo.h"
#include "ui/finestre/dlg_estinzione.h"
#include "ui/finestre/dlg_guida.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <utility>

namespace pianoamm {

DlgCambio::DlgCambio(pianoamm::Piano pianoMostrato, pianoamm::Offerta attuale, QWidget* parent)
    : QDialog(parent), piano(std::move(pianoMostrato)), offerta(std::move(attuale)), modulo(new QFormLayout)
{
    setObjectName(QStringLiteral("DlgCambio"));
    ConGuida(this, QStringLiteral("estinzione"));
    setWindowTitle(QStringLiteral("Surroga o sostituzione"));
    giorno = RigaGiorno(modulo, QStringLiteral("&Giorno del cambio:"), QStringLiteral("Giorno del cambio"),
                        GiornoProposto(piano));
    cboTipo = new QComboBox(this);
    cboTipo->setObjectName(QStringLiteral("cboTipo"));
    cboTipo->setAccessibleName(QStringLiteral("Tipo di cambio"));
    RiempiScelte(cboTipo, pianoamm::TipiCambio, pianoamm::TipoCambio::Surroga);
    cboTipo->setToolTip(SpiegazioneVoci(pianoamm::TipiCambio));
    modulo->addRow(QStringLiteral("Tipo di &cambio:"), cboTipo);
    txtNuovoTasso =
        Campo(QStringLiteral("Nuovo t&asso (%):"), "txtNuovoTasso", pianoamm::LimiteTasso, piano.mutuo.tassoAnnuo);
    txtNuoveRate = Campo(QStringLiteral("Nuove &rate:"), "txtNuoveRate", pianoamm::LimiteNumeroRate, 1);
    txtSpese = Campo(QStringLiteral("&Spese del nuovo mutuo:"), "txtSpese", pianoamm::LimiteSpeseCambio, 0);
    txtNuovoImporto = Campo(QStringLiteral("Nuovo &importo:"), "txtNuovoImporto", pianoamm::LimiteImporto, 0);
    lblSurroga = new QLabel(QStringLiteral("Con la surroga il debito passa com'è, senza spese per chi ha il mutuo "
                                           "(art. 120-quater TUB): spese e importo valgono solo per una sostituzione."),
                            this);
    lblSurroga->setObjectName(QStringLiteral("lblSurroga"));
    lblSurroga->setWordWrap(true);
    modulo->addRow(lblSurroga);
    lblMotivoCambio = RigaMotivo(modulo);
    lblMotivoCambio->setObjectName(QStringLiteral("lblMotivoCambio"));
    txtEsito = new EsitoVoci(QStringLiteral("Confronto tra il mutuo attuale e il nuovo"), this);
    modulo->addRow(QStringLiteral("Con&fronto:"), txtEsito);

    ImpaginaConEsito(
        this, modulo, txtEsito, QStringLiteral("cambio"), QSize(720, 560), [this](QDialogButtonBox* bottoni) {
            cmdSalvaNuovo = bottoni->addButton(QStringLiteral("Salva il &nuovo mutuo…"), QDialogButtonBox::ActionRole);
            cmdSalvaNuovo->setObjectName(QStringLiteral("cmdSalvaNuovo"));
            cmdSalvaNuovo->setAccessibleName(QStringLiteral("Salva il nuovo mutuo"));
            connect(cmdSalvaNuovo, &QPushButton::clicked, this, &DlgCambio::SalvaNuovo);
        });
    connect(giorno.campo, &QLineEdit::textChanged, this, [this] { Aggiorna(true); });
    connect(cboTipo, &QComboBox::currentIndexChanged, this, [this] { Aggiorna(false); });
    Aggiorna(true);
}

CampoNumerico* DlgCambio::Campo(const QString& etichetta, const char* nome, const pianoamm::Limite& limite,
                                double iniziale)
{
    auto* campo = new CampoNumerico(limite, limite.massimo > 999, this);
    campo->setObjectName(QString::fromLatin1(nome));
    campo->setAccessibleName(QString(etichetta).remove(QLatin1Char('&')).chopped(1));
    campo->ImpostaValore(iniziale);
    connect(campo, &CampoNumerico::ValoreCambiato, this, [this] { Aggiorna(false); });
    RigaConMotivo(modulo, etichetta, campo);
    return campo;
}

pianoamm::Cambio DlgCambio::Scelto(const pianoamm::Data& giornoScelto, bool giornoNuovo) const
{
    pianoamm::Cambio cambio;
    cambio.giorno = giornoScelto;
    cambio.tipo = ValoreScelto<pianoamm::TipoCambio>(cboTipo);
    cambio.nuovoTasso = txtNuovoTasso->Valore();
    if (!giornoNuovo)
        cambio.nuoveRate = static_cast<int>(txtNuoveRate->Valore());
    if (cambio.tipo == pianoamm::TipoCambio::Sostituzione) {
        cambio.spese = txtSpese->Valore();
        cambio.nuovoImporto = txtNuovoImporto->Valore();
    }
    return cambio;
}

void DlgCambio::Aggiorna(bool giornoNuovo)
{
    const bool surroga = ValoreScelto<pianoamm::TipoCambio>(cboTipo) == pianoamm::TipoCambio::Surroga;
    txtSpese->setEnabled(!surroga);
    txtNuovoImporto->setEnabled(!surroga);
    modulo->setRowVisible(lblSurroga, surroga);
    esito.reset();
    QString motivoGiorno;
    QString motivo;
    if (const auto scelto = giorno.Giorno()) {
        try {
            // What the day alone refuses is the day's; the rest, the change's.
            const pianoamm::ConteggioEstintivo conteggio = pianoamm::ContaEstinzione(piano, *scelto);
            try {
                esito = pianoamm::CambiaMutuo(piano, Scelto(*scelto, giornoNuovo));
            } catch (const pianoamm::ErrorePiano& errore) {
                (conteggio.debito == 0 ? motivoGiorno : motivo) = QString::fromUtf8(errore.what());
            }
        } catch (const pianoamm::ErrorePiano& errore) {
            motivoGiorno = QString::fromUtf8(errore.what());
        }
        giorno.Rifiuta(motivoGiorno);
    }
    // The day's count and amount, or a surroga's amount, in their fields.
    if (esito && (giornoNuovo || surroga)) {
        const QSignalBlocker rate(txtNuoveRate);
        const QSignalBlocker importo(txtNuovoImporto);
        txtNuoveRate->ImpostaValore(esito->nuovo.mutuo.numeroRate);
        txtNuovoImporto->ImpostaValore(esito->nuovo.mutuo.importo);
    }
    lblMotivoCambio->Mostra(motivo);
    txtEsito->Mostra(esito ? pianoamm::VociCambio(*esito) : std::vector<pianoamm::VoceCosto>{});
    cmdSalvaNuovo->setEnabled(esito.has_value());
}

void DlgCambio::SalvaNuovo()
{
    if (!esito)
        return;
    const pianoamm::Offerta nuova = pianoamm::OffertaCambiata(offerta, *esito);
    const std::string tipo(pianoamm::VoceDi(pianoamm::TipiCambio, esito->cambio.tipo).etichetta);
    const QString file = ChiediFileMutuo(this, QStringLiteral("Salva il nuovo mutuo"),
                                         TestoQt(tipo).toLower() + QStringLiteral(".pianoamm"));
    if (!file.isEmpty())
        ScriviMutuo(this, file, nuova);
}

}  // namespace pianoamm
