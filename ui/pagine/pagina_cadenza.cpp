#include "ui/pagine/pagina_cadenza.h"

#include "print/testo_qt.h"

#include "ui/azioni/modello_offerta.h"
#include "ui/comune/twips.h"
#include "ui/finestre/dlg_condizioni.h"
#include "ui/pagine/cornice_pagina.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

namespace pianoamm {

namespace {

const char* const Spiegazione =
    "In questa sezione va scelta la cadenza delle rate. Esempio: se nella sezione precedente è "
    "stato scelto 20 come numero rate e quindi viene selezionato annuale; il calcolo sarà eseguito "
    "per una durata di anni 20.";

// Where each option sits, in twips: top and width, in the order of
// pianoamm::Cadenze.
constexpr std::pair<int, int> Posizioni[] = {{360, 975},   {720, 1215},  {1080, 1335},
                                             {1530, 1695}, {1890, 1335}, {2250, 1095}};
static_assert(std::size(Posizioni) == pianoamm::Cadenze.size());

}  // namespace

PaginaCadenza::PaginaCadenza(ModelloOfferta& modello, QWidget* parent) : QWidget(parent), offerta(modello)
{
    const Twips tw(logicalDpiX());
    auto* cornice = new CornicePagina(QStringLiteral("Cadenza Pagamenti"), QString::fromUtf8(Spiegazione),
                                      QStringLiteral(":/assets/orologio.ico"), 8665, this);
    opzioniCadenza = new QButtonGroup(this);
    for (std::size_t i = 0; i < pianoamm::Cadenze.size(); ++i) {
        auto* opzione = new QRadioButton(TestoQt(pianoamm::Cadenze[i].etichetta), cornice);
        opzione->setToolTip(TestoQt(pianoamm::Cadenze[i].aiuto));
        opzione->setObjectName(QStringLiteral("opzione") + opzione->text());
        opzione->setGeometry(tw(120, Posizioni[i].first, Posizioni[i].second, 255));
        opzioniCadenza->addButton(opzione, static_cast<int>(i));
        // Tab reaches the group at its chosen option only; the arrows move
        // within it.
        opzione->setFocusPolicy(Qt::ClickFocus);
        connect(opzione, &QRadioButton::toggled, opzione,
                [opzione](bool scelta) { opzione->setFocusPolicy(scelta ? Qt::StrongFocus : Qt::ClickFocus); });
    }
    Mostra();
    connect(opzioniCadenza, &QButtonGroup::idToggled, this, [this](int id, bool scelta) {
        if (scelta)
            offerta.ImpostaCadenza(pianoamm::Cadenze.at(static_cast<std::size_t>(id)).valore);
    });
    connect(&offerta, &ModelloOfferta::Cambiata, this, &PaginaCadenza::Mostra);
    // In the frame's empty right half: the document's controls stay where
    // they are.
    cmdCondizioni = new QPushButton(QStringLiteral("C&ondizioni del piano…"), cornice);
    cmdCondizioni->setObjectName(QStringLiteral("cmdCondizioni"));
    cmdCondizioni->setGeometry(tw(6420, 2190, 2610, 375));
    connect(cmdCondizioni, &QPushButton::clicked, this, &PaginaCadenza::ScegliCondizioni);
}

void PaginaCadenza::ScegliCondizioni()
{
    DlgCondizioni dialogo(offerta.Corrente().mutuo, this);
    if (dialogo.exec() == QDialog::Accepted)
        offerta.ImpostaCondizioni(dialogo.Scelte());
}

void PaginaCadenza::Mostra()
{
    const auto& scelta = pianoamm::VoceDi(pianoamm::Cadenze, offerta.Corrente().mutuo.cadenza);
    opzioniCadenza->button(static_cast<int>(&scelta - pianoamm::Cadenze.data()))->setChecked(true);
}

}  // namespace pianoamm
