#pragma once

namespace fd9 {

// Gas temperature of the standard fire, degC, at t minutes.
double Iso834(double minutes);

// A ventilation-controlled compartment fire after T. T. Lie's parametric curves, heavy enclosure:
// the fires the non-standard data files were generated for.
class LieFire {
public:
    // fireLoad: kg/m2 of wood per unit floor area; openingFactor: m^0.5.
    LieFire(int fireLoad, double openingFactor);

    // Floor area over total bounding area of the compartment that turns a floor fire load into
    // the load per bounding area on which the burning duration rests.
    static constexpr double kFloorToBoundingArea = 0.3125;
    // Kawagoe's burning rate of wood, 5.5 A sqrt(H) kg/min, in kg/h per m^2.5 of A sqrt(H).
    static constexpr double kBurningRate = 330.0;

    double durationHours() const { return duration_; }
    double peakTemperature() const { return peak_; }
    // The time the decay brings the gas back to 20 degC, hours.
    double endHours() const { return end_; }
    double gas(double hours) const;

private:
    double heating(double hours) const;
    double factor_;
    double duration_;
    double peak_;
    double end_;
};

}  // namespace fd9
