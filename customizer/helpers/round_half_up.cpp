#include "customizer/helpers/round_half_up.h"

#include <cmath>

namespace tikloom {

int RoundHalfUp(double x) {
    const double f = std::floor(x);
    const double c = std::ceil(x);
    return static_cast<int>(c - x > x - f ? f : c);
}

} // namespace tikloom
