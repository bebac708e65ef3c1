#include "Fires.h"

#include <algorithm>
#include <iterator>

namespace tempgen {

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

}  // namespace tempgen
