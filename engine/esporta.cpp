#include "engine/esporta.h"

#include "engine/centesimi.h"
#include "engine/formato.h"
#include "engine/soldi.h"
#include "engine/tabella.h"

namespace pianoamm {

namespace {

std::string Csv(const Piano& piano, const Simulazione* simulazione)
{
    const bool simulato = simulazione != nullptr;
    const bool sospensioni = simulato && HaSospensioni(*simulazione);
    Celle righe{{"Numero", "Scadenza", "Quota interessi", "Quota capitale", "Rata", "Debito residuo"}};
    if (simulato)
        righe[0].insert(righe[0].end(), {"Rimborso anticipato", "Tasso annuo"});
    if (sospensioni)
        righe[0].insert(righe[0].end(), {"Sospesa", "Interessi capitalizzati"});
    righe.reserve(piano.righe.size() + 1);
    const std::vector<RigaCentesimi> centesimi = simulato ? RigheInCentesimi(*simulazione) : RigheInCentesimi(piano);
    const auto importo = [](long long valore) { return FormatoDecimali(Euro(valore), 2, false); };
    for (std::size_t k = 0; k < centesimi.size(); ++k) {
        const RigaPiano& riga = piano.righe[k];
        const RigaCentesimi& c = centesimi[k];
        righe.push_back({std::to_string(riga.numero), FormatoData(riga.scadenza)});
        auto& celle = righe.back();
        for (const long long valore : {c.interessi, c.capitale, c.rata, c.debito})
            celle.push_back(importo(valore));
        if (simulato) {
            celle.push_back(importo(c.rimborso));
            celle.push_back(FormatoDecimali(TassoDellaRata(*simulazione, riga.numero), 3, false));
        }
        if (sospensioni) {
            celle.emplace_back(c.soloInteressi ? "1" : "0");
            celle.push_back(importo(c.capitalizzati));
        }
    }
    return CsvDi(righe);
}

}  // namespace

std::string EsportaCsv(const Piano& piano)
{
    return Csv(piano, nullptr);
}

std::string EsportaCsv(const Simulazione& simulazione)
{
    return Csv(simulazione.piano, simulazione.eventi.empty() ? nullptr : &simulazione);
}

}  // namespace pianoamm
