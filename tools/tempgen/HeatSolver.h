#pragma once

#include <functional>
#include <vector>

#include "Materials.h"

namespace tempgen {

enum class Face { Adiabatic, Fire, Ambient, Fixed };

// A rectangle x in [0, width], y in [0, height] (m). width 0 makes it a 1-D column in y.
// y = 0 is the soffit; x = 0 a side face; x = width is usually the symmetry line.
struct Section {
    double width = 0.0;
    double height = 0.2;
    double spacing = 0.0025;  // target grid spacing, m; the grid fits the rectangle exactly
    Face left = Face::Adiabatic;
    Face right = Face::Adiabatic;
    Face bottom = Face::Fire;
    Face top = Face::Ambient;
};

struct Exposure {
    // Gas temperature of the fire faces, or the surface temperature of Fixed faces; degC at t s.
    std::function<double(double)> gas;
    double convection = 25.0;         // W/m2K, fire faces
    double emissivity = 0.7;          // fire faces
    double ambientCoefficient = 9.0;  // W/m2K including radiation, unexposed faces
    double ambient = 20.0;
    double initial = 20.0;
};

// Explicit finite volumes on a vertex grid, in enthalpy form so that the moisture peak of the
// specific heat is integrated without being stepped over.
class HeatSolver {
public:
    // timeStepFactor scales the stability limit (at most 1).
    HeatSolver(const Material& material, const Section& section, Exposure exposure,
               double timeStepFactor = 0.9);

    // Integrates exactly to time() + seconds with steps no longer than the limit.
    void advance(double seconds);
    double time() const { return time_; }
    double timeStep() const { return maxStep_; }
    int nodesX() const { return nx_ + 1; }
    int nodesY() const { return ny_ + 1; }

    // Bilinear in the nodal values; x, y in m.
    double at(double x, double y) const;
    double node(int i, int j) const { return t_[index(i, j)]; }
    double maxTemperature() const;

private:
    void step(double dt);
    int index(int i, int j) const { return j * (nx_ + 1) + i; }
    // Surface conductance (W/m2K) of a face at the surface temperature, and the temperature it
    // draws towards; zero conductance for faces that exchange nothing.
    double surfaceConductance(Face face, double surface, double gas) const;
    void addFace(int node, Face face, double length, double gas);

    const Material& material_;
    Section section_;
    Exposure exposure_;
    int nx_ = 0;
    int ny_ = 0;
    double hx_ = 1.0;
    double hy_ = 1.0;
    double time_ = 0.0;
    double maxStep_ = 0.0;
    std::vector<double> t_;
    std::vector<double> h_;
    std::vector<double> k_;
    std::vector<double> q_;
    std::vector<double> g_;   // surface conductance x length
    std::vector<double> gt_;  // the same times the temperature it draws towards
    std::vector<int> hint_;
    std::vector<double> lx_;
    std::vector<double> ly_;
};

}  // namespace tempgen
