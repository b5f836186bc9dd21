#pragma once

// The plan as the fixed-width text listing: title, summary, column heading,
// one line per installment.

#include "engine/piano.h"
#include "engine/simulazione.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

// The column heading and its rule, which a printout repeats on every page.
inline constexpr std::string_view TitoliColonne =
    "N.     SCADENZA     Q.INTERESSI     Q.CAPITALE     TOTALE RATA     DEB.RESIDUO";
inline constexpr std::string_view Sottolineatura =
    "---    ----------   -------------   ------------   ------------    -------------";
// With cents every money field, its heading and its rule are three
// characters wider.
inline constexpr std::string_view TitoliColonneCentesimi =
    "N.     SCADENZA        Q.INTERESSI        Q.CAPITALE        TOTALE RATA        DEB.RESIDUO";
inline constexpr std::string_view SottolineaturaCentesimi =
    "---    ----------   ----------------   ---------------   ---------------    ----------------";

// Lines before the first row's when the plan's terms fit in one line; the
// last two are the column heading and its rule.
inline constexpr std::size_t RigheIntestazione = 11;

// The row a line of the listing shows (propria), or follows, as an event's
// line follows the row it comes after.
struct RataDellaLinea {
    int numero;
    bool propria;
};

// The lines, numbered from 0, in one block of text with a "\n" after each:
// Testo() is ready to write out as it stands.
class Listato {
public:
    std::size_t NumeroRighe() const { return inizi.size(); }
    std::string_view operator[](std::size_t riga) const;
    // The row that riga shows or follows; none outside the rows.
    std::optional<RataDellaLinea> Rata(std::size_t riga) const { return rate.at(riga); }
    const std::string& Testo() const { return testo; }
    // The column heading's line, which a printout repeats on every page with
    // the rule under it; found in a listing read back as text too.
    // NumeroRighe() where there is none.
    std::size_t RigaTitoli() const;

    void Riserva(std::size_t righe);
    void Accoda(std::string_view riga, std::optional<RataDellaLinea> rata = std::nullopt);

private:
    std::string testo;
    std::vector<std::size_t> inizi;
    std::vector<std::optional<RataDellaLinea>> rate;
};

Listato ComponiListato(const Piano& piano);

// A simulation's listing is headed SIMULAZIONE, in the lines the plan's
// heading takes, and has, after a row with an event, its line (behind six
// spaces), and after the rows a blank line, the comparison with the plan
// itself, another blank line and the two ends side by side; with no events
// it is the plan's.
Listato ComponiListato(const Simulazione& simulazione);

// A simulation against the plan itself, each figure with its label as a
// window shows it; the listing writes the labels in capitals. The last is
// what the events save, net of the penalty, or what they cost beyond the
// plan (MaggiorCosto, the amount then positive).
inline constexpr std::array<std::string_view, 5> EtichetteConfronto{
    "Interessi piano originale", "Interessi con le variazioni", "Differenza interessi", "Penale", "Risparmio netto"};
inline constexpr std::string_view MaggiorCosto = "Maggior costo";

struct VoceConfronto {
    std::string_view etichetta;
    double valore;
};
// The last figure is a cost when it shows below zero at decimali.
std::array<VoceConfronto, 5> Confronto(const Simulazione& simulazione, int decimali);

// The plan's end and the simulation's, and the months the simulation saves,
// from the two last due dates, only when it ends earlier.
struct ConfrontoFini {
    FinePiano piano;
    FinePiano simulazione;
    std::optional<int> mesiRisparmiati;
};
ConfrontoFini ConfrontaFini(const Simulazione& simulazione);

// The rows of the ends' comparison, as a window shows them under its two
// columns; the listing writes them in capitals. The installment's row is
// the capital share's with the Italian method.
inline constexpr std::array<std::string_view, 2> ColonneFini{"Piano", "Simulazione"};
inline constexpr std::array<std::string_view, 4> EtichetteFini{"Ultima scadenza", "Numero rate", "Rata",
                                                               "Mesi risparmiati"};
inline constexpr std::string_view EtichettaQuotaCapitale = "Quota capitale";
std::string_view EtichettaRata(const Condizioni& condizioni);

}  // namespace pianoamm
