#include "app/rialzo_cli.h"

#include "engine/formato.h"
#include "engine/rialzo.h"

#include <array>
#include <string_view>

namespace pianoamm {

namespace {

// As wide as the listing's labels, and the widest heading of a column.
constexpr std::size_t Etichette = 22;
constexpr int Campo = 22;

}  // namespace

std::string TestoRialzo(const Piano& piano, const Piano& rialzato, double punti)
{
    const int decimali = Decimali(piano.mutuo.condizioni);
    const std::array<RiepilogoRialzo, 2> riepiloghi{Riepilogo(piano), Riepilogo(rialzato)};
    std::string testo = " \n";
    const auto riga = [&testo](std::string_view etichetta, std::string_view uno, std::string_view altro) {
        Linea linea;
        if (!etichetta.empty())
            linea.Scrivi(etichetta).Spazi(Etichette - etichetta.size()).Scrivi(" : ");
        else
            linea.Spazi(Etichette + 3);
        testo.append(linea.Tabulasin(uno, Campo).Tabulasin(altro, Campo).Testo()).append(1, '\n');
    };
    riga({}, "SERIE INSERITA", Maiuscole("rialzo di " + PuntiRialzo(punti)));
    const auto importi = [&](std::string_view etichetta, double RiepilogoRialzo::*membro) {
        riga(etichetta, ImportoOZero(riepiloghi[0].*membro, decimali), ImportoOZero(riepiloghi[1].*membro, decimali));
    };
    importi("RATA MASSIMA", &RiepilogoRialzo::rataMassima);
    riga("N. RATA MASSIMA", std::to_string(riepiloghi[0].rigaMassima), std::to_string(riepiloghi[1].rigaMassima));
    importi("TOTALE QUOTA INTERESSI", &RiepilogoRialzo::interessi);
    importi("TOTALE GENERALE", &RiepilogoRialzo::dovuto);
    return testo;
}

}  // namespace pianoamm
