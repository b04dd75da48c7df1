// Ec and beta1.
#include "engine/materials.h"

#include "format/number_format.h"

#include <cmath>

namespace pmsect {

int32_t concreteModulus(float unitWt, float fpc) {
    const double wc = unitWt;
    const double fc = fpc;
    return roundHalfEven32(33.0 * std::pow(wc, 1.5) * std::sqrt(fc < 0 ? 0.0 : fc));
}

float stressBlockFactor(float fpc) {
    if (fpc <= 4000) {
        return 0.85f;
    }
    if (fpc < 8000) {
        return static_cast<float>(0.85 - 0.05 * (static_cast<double>(fpc) - 4000) / 1000);
    }
    return 0.65f;
}

} // namespace pmsect
