#include "thermal/FireCurves.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace fd9 {

double Iso834(double minutes) {
    return 20.0 + 345.0 * std::log10(8.0 * minutes + 1.0);
}

LieFire::LieFire(int fireLoad, double openingFactor) : factor_(openingFactor) {
    if (fireLoad <= 0 || openingFactor <= 0.0) {
        throw std::invalid_argument("fire load and opening factor must be positive");
    }
    duration_ = fireLoad * kFloorToBoundingArea / (kBurningRate * openingFactor);
    peak_ = heating(duration_);
    // The decay falls by 600 degC per duration of the fire until the gas is at ambient again.
    end_ = duration_ * (1.0 + std::max(0.0, peak_ - 20.0) / 600.0);
}

double LieFire::heating(double t) const {
    const double f = factor_;
    const double shape = 3.0 * (1.0 - std::exp(-0.6 * t)) - (1.0 - std::exp(-3.0 * t)) +
                         4.0 * (1.0 - std::exp(-12.0 * t));
    return 250.0 * std::pow(10.0 * f, 0.1 / std::pow(f, 0.3)) * std::exp(-f * f * t) * shape;
}

double LieFire::gas(double hours) const {
    const double t = std::max(0.0, hours);
    const double value = t <= duration_ ? heating(t) : peak_ - 600.0 * (t / duration_ - 1.0);
    // The curve starts from 0; the compartment starts at ambient.
    return std::max(20.0, value);
}

}  // namespace fd9
