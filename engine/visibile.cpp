#include "engine/visibile.h"

#include <cstddef>

namespace pianoamm {

namespace {

// A control at the start of the text: its code point and its bytes, or no
// bytes for any other character.
struct Controllo {
    char32_t punto = 0;
    std::size_t byte = 0;
};

Controllo ControlloIniziale(std::string_view testo)
{
    const auto byte = [testo](std::size_t i) -> char32_t {
        return i < testo.size() ? static_cast<unsigned char>(testo[i]) : 0U;
    };
    if (byte(0) < 0x20U || byte(0) == 0x7FU)
        return {byte(0), 1};
    // C1 controls are two bytes, C2 80 to C2 9F.
    if (byte(0) == 0xC2U && byte(1) >= 0x80U && byte(1) <= 0x9FU)
        return {byte(1), 2};
    // The marks, separators and bidi controls are three, E2 80 8E to E2 81 A9.
    if (byte(0) == 0xE2U && (byte(1) & 0xFEU) == 0x80U && (byte(2) & 0xC0U) == 0x80U) {
        const char32_t punto = 0x2000U | ((byte(1) & 0x3FU) << 6U) | (byte(2) & 0x3FU);
        if (punto == 0x200EU || punto == 0x200FU || (punto >= 0x2028U && punto <= 0x202EU)
            || (punto >= 0x2066U && punto <= 0x2069U))
            return {punto, 3};
    }
    return {};
}

}  // namespace

std::string Visibile(std::string_view testo)
{
    constexpr std::string_view Esadecimali = "0123456789ABCDEF";
    std::string visibile;
    visibile.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size();) {
        const Controllo controllo = ControlloIniziale(testo.substr(i));
        if (controllo.byte == 0) {
            visibile += testo[i++];
            continue;
        }
        visibile += "\\u";
        for (unsigned spostamento = 16; spostamento > 0; spostamento -= 4)
            visibile += Esadecimali.at((controllo.punto >> (spostamento - 4)) & 0xFU);
        i += controllo.byte;
    }
    return visibile;
}

}  // namespace pianoamm
