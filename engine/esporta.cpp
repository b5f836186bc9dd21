#include "engine/esporta.h"

#include "engine/centesimi.h"
#include "engine/soldi.h"
#include "engine/tabella.h"

namespace pianoamm {

namespace {

Celle Righe(const Piano& piano, const Simulazione* simulazione)
{
    // A variable rate's rows differ in their rate, as a simulation's do,
    // and say which index each came from.
    const bool variabile = piano.mutuo.condizioni.tassoVariabile.has_value();
    const bool simulato = simulazione != nullptr || variabile;
    const bool sospensioni = simulazione != nullptr && HaSospensioni(*simulazione);
    Celle righe(1);
    for (const char* titolo : {"Numero", "Scadenza", "Quota interessi", "Quota capitale", "Rata", "Debito residuo",
                               "Rimborso anticipato", "Tasso annuo", "Sospesa", "Interessi capitalizzati"})
        righe[0].push_back(CellaTesto(titolo));
    righe[0].resize(sospensioni ? 10 : simulato ? 8 : 6);
    if (variabile)
        righe[0].push_back(CellaTesto("Indice"));
    righe.reserve(piano.righe.size() + 1);
    const std::vector<RigaCentesimi> centesimi =
        simulazione != nullptr ? RigheInCentesimi(*simulazione) : RigheInCentesimi(piano);
    const auto importo = [](long long valore) { return CellaImporto(Euro(valore)); };
    for (std::size_t k = 0; k < centesimi.size(); ++k) {
        const RigaPiano& riga = piano.righe[k];
        const RigaCentesimi& c = centesimi[k];
        righe.push_back({CellaConto(riga.numero), CellaData(riga.scadenza)});
        auto& celle = righe.back();
        for (const long long valore : {c.interessi, c.capitale, c.rata, c.debito})
            celle.push_back(importo(valore));
        if (simulato) {
            celle.push_back(importo(c.rimborso));
            celle.push_back(CellaTasso(riga.tassoAnnuo, 3));
        }
        if (sospensioni) {
            celle.push_back(CellaConto(c.soloInteressi ? 1 : 0));
            celle.push_back(importo(c.capitalizzati));
        }
        if (variabile)
            celle.push_back(riga.indice ? CellaTasso(*riga.indice, 3) : CellaTesto({}));
    }
    return righe;
}

}  // namespace

Celle CelleDelPiano(const Piano& piano)
{
    return Righe(piano, nullptr);
}

Celle CelleDelPiano(const Simulazione& simulazione)
{
    return Righe(simulazione.piano, simulazione.eventi.empty() ? nullptr : &simulazione);
}

std::string EsportaCsv(const Piano& piano)
{
    return CsvDi(CelleDelPiano(piano));
}

std::string EsportaCsv(const Simulazione& simulazione)
{
    return CsvDi(CelleDelPiano(simulazione));
}

}  // namespace pianoamm
