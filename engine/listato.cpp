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
    std::string riga = "IMPORTO MUTUO          : ";
    Tabulasin(riga, FormatoImporto(mutuo.importo), 15);
    riga += "   NUMERO RATE   : ";
    Tabulasin(riga, std::to_string(mutuo.numeroRate), 3);
    listato.Accoda(riga);
    riga = "RATA FISSA             : ";
    Tabulasin(riga, TestoNumero(piano.rata), 15);
    riga += "   TASSO % ANNUALE : ";
    Tabulasin(riga, FormatoDecimali(mutuo.tassoAnnuo, 3, false), 7);
    listato.Accoda(riga);
    riga = "TOTALE QUOTA INTERESSI : ";
    Tabulasin(riga, FormatoImporto(piano.totaleInteressi), 15);
    listato.Accoda(riga);
    riga = "TOTALE GENERALE        : ";
    Tabulasin(riga, FormatoImporto(piano.totaleInteressi + mutuo.importo), 15);
    listato.Accoda(riga);
    listato.Accoda(" ");
    listato.Accoda(TitoliColonne);
    listato.Accoda(Sottolineatura);

    // Every row shows the same installment.
    const std::string rata = FormatoImporto(piano.rata);
    for (const RigaPiano& r : piano.righe) {
        riga.clear();
        Tabulasin(riga, std::to_string(r.numero), 2);
        riga.append("    ").append(FormatoData(r.scadenza)).append("  ");
        Tabulasin(riga, FormatoImporto(r.quotaInteressi), 12);
        riga += ' ';
        Tabulasin(riga, FormatoImporto(r.quotaCapitale), 12);
        riga += ' ';
        Tabulasin(riga, rata, 12);
        riga += ' ';
        Tabulasin(riga, FormatoImporto(r.debitoResiduo), 13);
        listato.Accoda(riga);
    }
    return listato;
}

}  // namespace pianoamm
