#include "engine/listato.h"

#include "engine/formato.h"

namespace pianoamm {

std::string_view Listato::operator[](std::size_t riga) const
{
    const std::size_t inizio = inizi.at(riga);
    const std::size_t fine = riga + 1 < inizi.size() ? inizi[riga + 1] : testo.size();
    return std::string_view(testo).substr(inizio, fine - inizio - 1);
}

void Listato::Riserva(std::size_t righe)
{
    // Lines are at most 80 characters: the text is one allocation.
    testo.reserve(righe * 81);
    inizi.reserve(righe);
}

void Listato::Accoda(std::string_view riga)
{
    inizi.push_back(testo.size());
    testo.append(riga).append(1, '\n');
}

Listato ComponiListato(const Piano& piano)
{
    const Mutuo& mutuo = piano.mutuo;
    Listato listato;
    listato.Riserva(RigheIntestazione + piano.righe.size());
    listato.Accoda(" ");
    listato.Accoda("                                   PIANO D'AMMORTAMENTO");
    listato.Accoda("                                   ====================");
    listato.Accoda(" ");
    listato.Accoda(Riga()
                       .Scrivi("IMPORTO MUTUO          : ")
                       .Importo(mutuo.importo, 15)
                       .Scrivi("   NUMERO RATE   : ")
                       .Tabulasin(std::to_string(mutuo.numeroRate), 3)
                       .Testo());
    listato.Accoda(Riga()
                       .Scrivi("RATA FISSA             : ")
                       .Tabulasin(TestoNumero(piano.rata), 15)
                       .Scrivi("   TASSO % ANNUALE : ")
                       .Tabulasin(FormatoDecimali(mutuo.tassoAnnuo, 3, false), 7)
                       .Testo());
    listato.Accoda(Riga().Scrivi("TOTALE QUOTA INTERESSI : ").Importo(piano.totaleInteressi, 15).Testo());
    listato.Accoda(
        Riga().Scrivi("TOTALE GENERALE        : ").Importo(piano.totaleInteressi + mutuo.importo, 15).Testo());
    listato.Accoda(" ");
    listato.Accoda(TitoliColonne);
    listato.Accoda(Sottolineatura);

    // Every row shows the same installment.
    const std::string rata = FormatoImporto(piano.rata);
    for (const RigaPiano& r : piano.righe) {
        listato.Accoda(Riga()
                           .Tabulasin(std::to_string(r.numero), 2)
                           .Spazi(4)
                           .Scrivi(FormatoData(r.scadenza))
                           .Spazi(2)
                           .Importo(r.quotaInteressi, 12)
                           .Spazi(1)
                           .Importo(r.quotaCapitale, 12)
                           .Spazi(1)
                           .Tabulasin(rata, 12)
                           .Spazi(1)
                           .Importo(r.debitoResiduo, 13)
                           .Testo());
    }
    return listato;
}

}  // namespace pianoamm
