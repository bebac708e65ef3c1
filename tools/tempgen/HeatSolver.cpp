#include "HeatSolver.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tempgen {
namespace {

constexpr double kStefanBoltzmann = 5.67e-8;
constexpr double kKelvin = 273.15;

std::vector<double> ControlLengths(int n, double h) {
    if (n == 0) {
        return {1.0};
    }
    std::vector<double> l(n + 1, h);
    l.front() = l.back() = 0.5 * h;
    return l;
}

}  // namespace

HeatSolver::HeatSolver(const Material& material, const Section& section, Exposure exposure,
                       double timeStepFactor)
    : material_(material), section_(section), exposure_(std::move(exposure)) {
    if (section.height <= 0.0 || section.spacing <= 0.0 || section.width < 0.0) {
        throw std::invalid_argument("section needs a positive height and spacing");
    }
    ny_ = std::max(1, static_cast<int>(std::lround(section.height / section.spacing)));
    hy_ = section.height / ny_;
    if (section.width > 0.0) {
        nx_ = std::max(1, static_cast<int>(std::lround(section.width / section.spacing)));
        hx_ = section.width / nx_;
    }
    lx_ = ControlLengths(nx_, hx_);
    ly_ = ControlLengths(ny_, hy_);
    const std::size_t n = static_cast<std::size_t>(nx_ + 1) * (ny_ + 1);
    t_.assign(n, exposure_.initial);
    h_.assign(n, material_.enthalpy(exposure_.initial));
    k_.assign(n, 0.0);
    q_.assign(n, 0.0);
    g_.assign(n, 0.0);
    gt_.assign(n, 0.0);
    hint_.assign(n, 0);

    // Stability: a node's capacity over its conductance to its neighbours, at the worst
    // properties. The surface exchange is taken implicitly and sets no limit.
    const double k = material_.maxConductivity();
    const double c = material_.minVolumetricHeat();
    double limit = 1e300;
    for (int j = 0; j <= ny_; ++j) {
        for (int i = 0; i <= nx_; ++i) {
            double g = 0.0;
            if (nx_ > 0) {
                g += (i > 0 ? k * ly_[j] / hx_ : 0.0) + (i < nx_ ? k * ly_[j] / hx_ : 0.0);
            }
            g += (j > 0 ? k * lx_[i] / hy_ : 0.0) + (j < ny_ ? k * lx_[i] / hy_ : 0.0);
            limit = std::min(limit, c * lx_[i] * ly_[j] / g);
        }
    }
    maxStep_ = std::min(1.0, timeStepFactor) * limit;
}

double HeatSolver::surfaceConductance(Face face, double surface, double gas) const {
    switch (face) {
        case Face::Fire: {
            const double s = surface + kKelvin;
            const double g = gas + kKelvin;
            return exposure_.convection +
                   exposure_.emissivity * kStefanBoltzmann * (g * g + s * s) * (g + s);
        }
        case Face::Ambient:
            return exposure_.ambientCoefficient;
        case Face::Adiabatic:
        case Face::Fixed:
            return 0.0;
    }
    return 0.0;
}

void HeatSolver::addFace(int node, Face face, double length, double gas) {
    const double g = surfaceConductance(face, t_[node], gas) * length;
    g_[node] += g;
    gt_[node] += g * (face == Face::Fire ? gas : exposure_.ambient);
}

void HeatSolver::advance(double seconds) {
    if (seconds <= 0.0) {
        return;
    }
    const int n = static_cast<int>(std::ceil(seconds / maxStep_ - 1e-9));
    const double dt = seconds / n;
    for (int s = 0; s < n; ++s) {
        step(dt);
    }
}

void HeatSolver::step(double dt) {
    const double gas = exposure_.gas ? exposure_.gas(time_) : exposure_.ambient;
    const int wx = nx_ + 1;
    for (std::size_t n = 0; n < t_.size(); ++n) {
        k_[n] = material_.conductivity(t_[n]);
    }
    std::fill(q_.begin(), q_.end(), 0.0);
    std::fill(g_.begin(), g_.end(), 0.0);
    std::fill(gt_.begin(), gt_.end(), 0.0);
    for (int j = 0; j <= ny_; ++j) {
        for (int i = 0; i < nx_; ++i) {
            const int a = index(i, j);
            const double g = 0.5 * (k_[a] + k_[a + 1]) * ly_[j] / hx_;
            const double f = g * (t_[a + 1] - t_[a]);
            q_[a] += f;
            q_[a + 1] -= f;
        }
    }
    for (int j = 0; j < ny_; ++j) {
        for (int i = 0; i <= nx_; ++i) {
            const int a = index(i, j);
            const int b = a + wx;
            const double g = 0.5 * (k_[a] + k_[b]) * lx_[i] / hy_;
            const double f = g * (t_[b] - t_[a]);
            q_[a] += f;
            q_[b] -= f;
        }
    }
    for (int i = 0; i <= nx_; ++i) {
        addFace(index(i, 0), section_.bottom, lx_[i], gas);
        addFace(index(i, ny_), section_.top, lx_[i], gas);
    }
    if (nx_ > 0) {
        for (int j = 0; j <= ny_; ++j) {
            addFace(index(0, j), section_.left, ly_[j], gas);
            addFace(index(nx_, j), section_.right, ly_[j], gas);
        }
    }
    for (int j = 0; j <= ny_; ++j) {
        for (int i = 0; i <= nx_; ++i) {
            const int a = index(i, j);
            const double v = lx_[i] * ly_[j];
            double gain = q_[a];
            if (g_[a] > 0.0) {
                // Linearised backward Euler for the surface exchange: radiation from a hot gas
                // would otherwise bound the step far below the conduction limit.
                const double c = material_.volumetricHeat(t_[a]);
                gain = (q_[a] + gt_[a] - g_[a] * t_[a]) / (1.0 + dt * g_[a] / (v * c));
            }
            h_[a] += dt * gain / v;
            t_[a] = material_.temperature(h_[a], hint_[a]);
        }
    }
    time_ += dt;
    // Fixed faces take the surface temperature of the new time.
    const bool fixedBottom = section_.bottom == Face::Fixed;
    const bool fixedTop = section_.top == Face::Fixed;
    const bool fixedLeft = nx_ > 0 && section_.left == Face::Fixed;
    const bool fixedRight = nx_ > 0 && section_.right == Face::Fixed;
    if (fixedBottom || fixedTop || fixedLeft || fixedRight) {
        const double surface = exposure_.gas ? exposure_.gas(time_) : exposure_.ambient;
        const double enthalpy = material_.enthalpy(surface);
        for (int j = 0; j <= ny_; ++j) {
            for (int i = 0; i <= nx_; ++i) {
                if ((fixedBottom && j == 0) || (fixedTop && j == ny_) || (fixedLeft && i == 0) ||
                    (fixedRight && i == nx_)) {
                    t_[index(i, j)] = surface;
                    h_[index(i, j)] = enthalpy;
                }
            }
        }
    }
}

double HeatSolver::at(double x, double y) const {
    const double fy = std::clamp(y / hy_, 0.0, static_cast<double>(ny_));
    const int j = std::min(static_cast<int>(fy), ny_ - 1);
    const double wy = fy - j;
    if (nx_ == 0) {
        return t_[index(0, j)] * (1.0 - wy) + t_[index(0, j + 1)] * wy;
    }
    const double fx = std::clamp(x / hx_, 0.0, static_cast<double>(nx_));
    const int i = std::min(static_cast<int>(fx), nx_ - 1);
    const double wx = fx - i;
    const double bottom = t_[index(i, j)] * (1.0 - wx) + t_[index(i + 1, j)] * wx;
    const double top = t_[index(i, j + 1)] * (1.0 - wx) + t_[index(i + 1, j + 1)] * wx;
    return bottom * (1.0 - wy) + top * wy;
}

double HeatSolver::maxTemperature() const {
    return *std::max_element(t_.begin(), t_.end());
}

}  // namespace tempgen
