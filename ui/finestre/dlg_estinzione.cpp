#include "ui/finestre/dlg_estinzione.h"

#include "engine/conteggio.h"
#include "engine/errore.h"
#include "ui/finestre/dlg_guida.h"

#include <QFormLayout>
#include <QLineEdit>

#include <utility>

namespace pianoamm {

const pianoamm::Piano& PianoDi(const PianoMostrato& mostrato)
{
    if (const auto* simulazione = std::get_if<pianoamm::Simulazione>(&mostrato))
        return simulazione->piano;
    return std::get<pianoamm::Piano>(mostrato);
}

pianoamm::Data GiornoProposto(const pianoamm::Piano& piano)
{
    const pianoamm::Data oggi = pianoamm::Oggi();
    if (pianoamm::Prima(oggi, piano.mutuo.erogazione))
        return piano.mutuo.erogazione;
    return pianoamm::Prima(piano.righe.back().scadenza, oggi) ? piano.righe.back().scadenza : oggi;
}

DlgEstinzione::DlgEstinzione(PianoMostrato mostrato, double penale, QWidget* parent)
    : QDialog(parent), piano(std::move(mostrato)), penaleEstinzione(penale)
{
    setObjectName(QStringLiteral("DlgEstinzione"));
    ConGuida(this, QStringLiteral("estinzione"));
    setWindowTitle(QStringLiteral("Estinzione a una data"));
    auto* modulo = new QFormLayout;
    giorno = RigaGiorno(modulo, QStringLiteral("&Giorno dell'estinzione:"), QStringLiteral("Giorno dell'estinzione"),
                        GiornoProposto(PianoDi(piano)));
    txtEsito = new EsitoVoci(QStringLiteral("Conteggio estintivo"), this);
    modulo->addRow(QStringLiteral("&Conteggio:"), txtEsito);
    ImpaginaConEsito(this, modulo, txtEsito, QStringLiteral("estinzione"), QSize(700, 360));
    connect(giorno.campo, &QLineEdit::textChanged, this, &DlgEstinzione::Aggiorna);
    Aggiorna();
}

void DlgEstinzione::Aggiorna()
{
    std::vector<pianoamm::VoceCosto> voci;
    if (const auto scelto = giorno.Giorno()) {
        try {
            const auto conteggio = std::visit(
                [&](const auto& p) { return pianoamm::ContaEstinzione(p, *scelto, penaleEstinzione); }, piano);
            voci = pianoamm::VociConteggio(conteggio, PianoDi(piano).mutuo.condizioni.baseGiorni);
            giorno.Rifiuta(QString());
        } catch (const pianoamm::ErrorePiano& errore) {
            giorno.Rifiuta(QString::fromUtf8(errore.what()));
        }
    }
    txtEsito->Mostra(std::move(voci));
}

}  // namespace pianoamm
