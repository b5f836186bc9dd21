#pragma once

// The French-method schedule: from the loan's data to the lines of the
// listing. Everything here is a plain value; nothing survives a call.

#include "engine/formato.h"
#include "engine/listato.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pianoamm {

// How often installments fall due; the value indexes MesiCadenza.
enum class Cadenza { Mensile, Bimestrale, Trimestrale, Quadrimestrale, Semestrale, Annuale };

inline constexpr std::array<std::int16_t, 6> MesiCadenza{1, 2, 3, 4, 6, 12};

// The ranges of the window's input fields; the engine refuses anything else.
inline constexpr double ImportoMassimo = 999999999;
inline constexpr int NumeroRateMassimo = 999;
inline constexpr double TassoMassimo = 99;

// What the window's fields hold when the schedule is asked for.
struct DatiMutuo {
    double Importo = 0;          // loan amount
    double NumeroRate = 1;       // number of installments, a whole number
    double TassoAnnuo = 0;       // annual rate in percent
    std::string DataErogazione;  // disbursement date as typed, "gg/mm/aaaa"
    Cadenza cadenza = Cadenza::Mensile;
};

// The calculation state, as it stands after the last row.
struct StatoCalcolo {
    double TassoAnnuo = 0;
    double TassoPeriodo = 0;
    std::int16_t MesiPeriodo = 0;
    std::int16_t RatePerAnno = 0;
    double Rata = 0;
    double QuotaInteressi = 0;
    double QuotaCapitale = 0;
    double CapitaleRimborsato = 0;
};

// One installment as the listing shows it, before rounding to whole units.
struct RataPiano {
    int Numero = 0;
    Data Scadenza;
    double QuotaInteressi = 0;
    double QuotaCapitale = 0;
    double DebitoResiduo = 0;
};

struct Piano {
    Listato Righe;                // the listing, line 0 first
    std::vector<RataPiano> Rate;  // row k of the listing is Righe[RigheIntestazione + k - 1]
    StatoCalcolo Stato;
};

// Lines before the first installment row; lines 9 and 10 are the column
// heading and its rule.
inline constexpr std::size_t RigheIntestazione = 11;
inline constexpr std::size_t RigaTitoliColonne = 9;
inline constexpr std::size_t RigaSottolineatura = 10;

// Sets TassoPeriodo and the unrounded fixed installment Rata from TassoAnnuo
// and RatePerAnno. A zero rate gives importo / numeroRate, the formula's limit.
void RataMutuo(StatoCalcolo& stato, double importo, double numeroRate);

// The whole schedule. Throws ErrorePiano, with nothing half-built, for data
// outside the fields' ranges, an invalid date, or a due date past 9999.
Piano PianoAmm(const DatiMutuo& dati);

}  // namespace pianoamm
