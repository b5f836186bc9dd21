#include "app/verifica_cli.h"

#include "file/file_sicuro.h"

#include <string>

namespace pianoamm {

namespace {

// An amount as the bank's column shows it.
Cella CellaColonna(double valore, int decimali)
{
    return {Genere::Importo, {}, valore, decimali, {}};
}

}  // namespace

Celle CelleVerifica(const Verifica& verifica)
{
    Celle righe{{CellaTesto("N."), CellaTesto("Colonna"), CellaTesto("Banca"), CellaTesto("Programma"),
                 CellaTesto("Differenza")}};
    for (const CellaDiversa& cella : verifica.celle) {
        righe.push_back({CellaConto(cella.numero),
                         CellaTesto(std::string(NomiColonne[static_cast<std::size_t>(cella.colonna)])),
                         CellaColonna(cella.banca, cella.decimali), CellaColonna(cella.programma, cella.decimali),
                         CellaColonna(cella.banca - cella.programma, cella.decimali)});
    }
    return righe;
}

int EseguiVerifica(const Verifica& verifica, const UsciteCli& uscite)
{
    if (uscite.csv)
        ScriviFileSicuro(*uscite.csv, CsvDi(CelleVerifica(verifica)));
    ScriviUscita(TestoVerifica(verifica));
    ChiudiUscita();
    return verifica.righeDiverse == 0 ? 0 : 3;
}

}  // namespace pianoamm
