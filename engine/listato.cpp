#include "engine/listato.h"

namespace pianoamm {

std::string_view Listato::operator[](std::size_t riga) const
{
    const std::size_t inizio = inizi_.at(riga);
    const std::size_t fine = riga + 1 < inizi_.size() ? inizi_[riga + 1] : testo_.size();
    return std::string_view(testo_).substr(inizio, fine - inizio - 1);
}

void Listato::Riserva(std::size_t righe, std::size_t caratteriPerRiga)
{
    testo_.reserve(righe * (caratteriPerRiga + 1));
    inizi_.reserve(righe);
}

void Listato::Accoda(std::string_view riga)
{
    InizioRiga();
    testo_ += riga;
    FineRiga();
}

}  // namespace pianoamm
