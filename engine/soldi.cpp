#include "engine/soldi.h"

namespace pianoamm {

long long CentesimiMetaInSu(double euro)
{
    return static_cast<long long>(InteroMetaInSu(euro * 100, 1e-6));
}

long long ProporzioneMetaInSu(long long a, long long b, long long c)
{
    return static_cast<long long>(std::floor(static_cast<long double>(a) * static_cast<long double>(b) / c + 0.5L));
}

bool MenoDiUnCentesimo(double uno, double altro)
{
    return std::fabs(uno - altro) < 0.01 - 1e-7;
}

bool NegativoComeMostrato(double valore, int decimali)
{
    return std::round(valore * std::pow(10, decimali)) < 0;
}

}  // namespace pianoamm
