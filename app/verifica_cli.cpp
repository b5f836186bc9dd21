#include "app/verifica_cli.h"

#include "file/esito_verifica.h"
#include "file/file_sicuro.h"

namespace pianoamm {

std::string TestoDellaVerifica(const Verifica& verifica, const OpzioniCli& opzioni)
{
    std::string testo = TestoVerifica(verifica);
    if (opzioni.taegDichiarato)
        testo.append("\n").append(TestoTaegDichiarato(verifica, opzioni.costi, *opzioni.taegDichiarato));
    return testo;
}

int EseguiVerifica(const Verifica& verifica, std::string_view testo, const UsciteCli& uscite)
{
    if (uscite.csv)
        ScriviFileSicuro(*uscite.csv, CsvDi(CelleVerifica(verifica)));
    ScriviUscita(testo);
    ChiudiUscita();
    return verifica.righeDiverse == 0 ? 0 : 3;
}

}  // namespace pianoamm
