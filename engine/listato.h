#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

// The lines of a listing, numbered from 0, kept in one block of text with a
// "\n" after each line: a 999-row schedule is two allocations, not a thousand,
// and Testo() is ready to write out as it stands.
class Listato {
public:
    std::size_t size() const { return inizi_.size(); }
    std::string_view operator[](std::size_t riga) const;
    const std::string& Testo() const { return testo_; }

    void Riserva(std::size_t righe, std::size_t caratteriPerRiga);
    void Accoda(std::string_view riga);
    // Lines are written in place: start one, append to Corrente(), end it.
    void InizioRiga() { inizi_.push_back(testo_.size()); }
    std::string& Corrente() { return testo_; }
    void FineRiga() { testo_ += '\n'; }

    friend bool operator==(const Listato&, const Listato&) = default;

private:
    std::string testo_;
    std::vector<std::size_t> inizi_;
};

}  // namespace pianoamm
