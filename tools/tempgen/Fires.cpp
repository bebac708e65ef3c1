#include "Fires.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace tempgen {

double Iso834(double minutes) {
    return 20.0 + 345.0 * std::log10(8.0 * minutes + 1.0);
}

double AstmE119(double minutes) {
    // degF every 5 minutes to 2 h, then the 4 h and 8 h points.
    struct Point {
        double minutes;
        double fahrenheit;
    };
    static constexpr Point kCurve[] = {
        {0, 68},     {5, 1000},   {10, 1300},  {15, 1399},  {20, 1462},  {25, 1510}, {30, 1550},
        {35, 1584},  {40, 1613},  {45, 1638},  {50, 1661},  {55, 1681},  {60, 1700}, {65, 1718},
        {70, 1735},  {75, 1750},  {80, 1765},  {85, 1779},  {90, 1792},  {95, 1804}, {100, 1815},
        {105, 1826}, {110, 1835}, {115, 1843}, {120, 1850}, {240, 2000}, {480, 2300}};
    const double t = std::max(0.0, minutes);
    double f = kCurve[std::size(kCurve) - 1].fahrenheit;
    for (std::size_t i = 1; i < std::size(kCurve); ++i) {
        if (t <= kCurve[i].minutes) {
            const Point& a = kCurve[i - 1];
            const Point& b = kCurve[i];
            f = a.fahrenheit +
                (b.fahrenheit - a.fahrenheit) * (t - a.minutes) / (b.minutes - a.minutes);
            break;
        }
    }
    return (f - 32.0) / 1.8;
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

}  // namespace tempgen
