#include "engine/listato.h"

#include "engine/formato.h"

#include <cmath>
#include <span>

namespace pianoamm {

namespace {

// "#,#", but a zero is written: in a sentence or a summary a blank would
// read as a value missing.
std::string ImportoOZero(double valore)
{
    const std::string testo = FormatoImporto(valore);
    return testo.empty() ? "0" : testo;
}

}  // namespace

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

std::array<VoceConfronto, 5> Confronto(const Simulazione& simulazione)
{
    const double interessi = simulazione.piano.totaleInteressi;
    const double differenza = simulazione.interessiOriginali - interessi;
    return {{
        {EtichetteConfronto[0], simulazione.interessiOriginali},
        {EtichetteConfronto[1], interessi},
        {EtichetteConfronto[2], differenza},
        {EtichetteConfronto[3], simulazione.penale},
        {EtichetteConfronto[4], differenza - simulazione.penale},
    }};
}

std::string TestoEvento(const EventoPiano& evento)
{
    const std::string dopo = " DOPO LA RATA " + std::to_string(evento.dopoRata);
    switch (evento.tipo) {
    case TipoEvento::EstinzioneTotale:
        return "ESTINZIONE TOTALE DI " + ImportoOZero(evento.importo) + dopo;
    case TipoEvento::EstinzioneParziale:
        return "ESTINZIONE PARZIALE DI " + ImportoOZero(evento.importo) + dopo
               + (evento.riduciDurata ? ": RATE RESIDUE " + std::to_string(evento.rateResidue)
                                      : ": NUOVA RATA " + ImportoOZero(evento.nuovaRata));
    case TipoEvento::Variazione:
        break;
    }
    return "NUOVO TASSO % ANNUALE " + FormatoDecimali(evento.tassoAnnuo, 3, false) + " DALLA RATA "
           + std::to_string(evento.dopoRata + 1) + ": NUOVA RATA " + ImportoOZero(evento.nuovaRata);
}

namespace {

// The title, the summary and the column heading.
Listato Intestazione(const Piano& piano)
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
                       .Tabulasin(std::to_string(piano.righe.size()), 3)
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
    return listato;
}

// The rows, each event's line after the row it follows.
void AccodaRighe(Listato& listato, const Piano& piano, std::span<const EventoPiano> eventi)
{
    // Rows show the first installment unless an event changed it.
    const std::string rata = FormatoImporto(piano.rata);
    auto evento = eventi.begin();
    // What the row pays; after an event it may be another installment.
    const auto colonnaRata = [&](Riga& riga, const RigaPiano& r) -> Riga& {
        const double pagato = r.quotaInteressi + r.quotaCapitale;
        return eventi.empty() || std::fabs(pagato - piano.rata) < 1e-6 ? riga.Tabulasin(rata, 12)
                                                                       : riga.Importo(pagato, 12);
    };
    for (const RigaPiano& r : piano.righe) {
        listato.Accoda(colonnaRata(Riga()
                                       .Tabulasin(std::to_string(r.numero), 2)
                                       .Spazi(4)
                                       .Scrivi(FormatoData(r.scadenza))
                                       .Spazi(2)
                                       .Importo(r.quotaInteressi, 12)
                                       .Spazi(1)
                                       .Importo(r.quotaCapitale, 12)
                                       .Spazi(1),
                                   r)
                           .Spazi(1)
                           .Importo(r.debitoResiduo, 13)
                           .Testo());
        for (; evento != eventi.end() && evento->dopoRata == r.numero; ++evento)
            listato.Accoda("      " + TestoEvento(*evento));
    }
}

}  // namespace

Listato ComponiListato(const Piano& piano)
{
    Listato listato = Intestazione(piano);
    AccodaRighe(listato, piano, {});
    return listato;
}

Listato ComponiListato(const Simulazione& simulazione)
{
    if (simulazione.eventi.empty())
        return ComponiListato(simulazione.piano);
    Listato listato = Intestazione(simulazione.piano);
    AccodaRighe(listato, simulazione.piano, simulazione.eventi);
    listato.Accoda(" ");
    const auto confronto = Confronto(simulazione);
    for (const auto& [etichetta, valore] : confronto) {
        listato.Accoda(Riga()
                           .Scrivi(Maiuscole(etichetta))
                           .Spazi(confronto[1].etichetta.size() - etichetta.size())
                           .Scrivi(" : ")
                           .Tabulasin(ImportoOZero(valore), 15)
                           .Testo());
    }
    return listato;
}

}  // namespace pianoamm
