#include "app/verifica_cli.h"

#include "file/esito_verifica.h"
#include "file/file_sicuro.h"

#include <string>

namespace pianoamm {

int EseguiVerifica(const Verifica& verifica, const UsciteCli& uscite)
{
    if (uscite.csv)
        ScriviFileSicuro(*uscite.csv, CsvDi(CelleVerifica(verifica)));
    ScriviUscita(TestoVerifica(verifica));
    ChiudiUscita();
    return verifica.righeDiverse == 0 ? 0 : 3;
}

}  // namespace pianoamm
