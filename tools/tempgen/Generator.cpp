#include "Generator.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <fstream>
#include <functional>
#include <future>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "HeatSolver.h"

namespace tempgen {
namespace {

// Standard profiles are integrated in chunks of this length, so that a profile does not depend
// on which other ratings are asked for.
constexpr double kSampleSeconds = 30.0;
// Peaks are sampled after every step (at most 9 s): a 30 s sample missed up to 2 degC of the
// surface peak under the short, hot fires.
// A point can still gain what the hottest point of the section is above its peak; stop once
// that is less than this, for every tabulated point.
constexpr double kPeakTolerance = 0.05;
constexpr double kLongestHours = 120.0;

std::string Number(double value) {
    std::string s = Fixed(value, 1);
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) {
        s.resize(s.size() - 2);
    }
    return s;
}

std::string Temperature(double value) {
    return Fixed(value, 1);
}

template <typename Sample>
std::vector<double> TrackPeaks(HeatSolver& solver, const LieFire& fire, std::size_t points,
                               Sample sample) {
    std::vector<double> peak(points, -1e300);
    const double end = fire.endHours() * 3600.0;
    const double turn = fire.durationHours() * 3600.0;
    while (true) {
        // Land a sample on the turn from heating to decay, where the surface peaks.
        double step = solver.timeStep();
        if (solver.time() < turn && solver.time() + step > turn) {
            step = std::max(turn - solver.time(), 1e-3);
        }
        solver.advance(step);
        for (std::size_t i = 0; i < points; ++i) {
            peak[i] = std::max(peak[i], sample(i));
        }
        if (solver.time() >= end) {
            const double lowest = *std::min_element(peak.begin(), peak.end());
            if (solver.maxTemperature() <= lowest + kPeakTolerance) {
                return peak;
            }
        }
        if (solver.time() > kLongestHours * 3600.0) {
            throw std::runtime_error("peak temperatures did not settle");
        }
    }
}

Exposure StandardFire() {
    Exposure e;
    e.gas = [](double seconds) { return Iso834(seconds / 60.0); };
    return e;
}

Exposure E119Fire() {
    Exposure e;
    e.gas = [](double seconds) { return AstmE119(seconds / 60.0); };
    return e;
}

Exposure Compartment(const LieFire& fire) {
    Exposure e;
    e.gas = [fire](double seconds) { return fire.gas(seconds / 3600.0); };
    return e;
}

Section SlabSection(double thicknessMm, double spacing) {
    Section s;
    s.width = 0.0;
    s.height = thicknessMm / 1000.0;
    s.spacing = spacing;
    s.bottom = Face::Fire;
    s.top = Face::Ambient;
    return s;
}

// deepestMm: the deepest point read, which the margin must keep clear of the adiabatic top.
Section BeamSection(double widthMm, double deepestMm, double spacing, double margin) {
    Section s;
    s.width = 0.5 * widthMm / 1000.0;
    s.height = std::max(s.width, deepestMm / 1000.0) + margin;
    s.spacing = spacing;
    s.left = Face::Fire;
    s.right = Face::Adiabatic;  // centre line
    s.bottom = Face::Fire;
    s.top = Face::Adiabatic;
    return s;
}

// The bisector down to the half width, the centre line below it: the two meet at d = w/2.
std::pair<double, double> BeamPoint(double width, double depth) {
    return {std::min(depth, 0.5 * width), depth};
}

double Deepest(const std::vector<std::pair<double, double>>& points) {
    double deepest = 0.0;
    for (const auto& p : points) {
        deepest = std::max(deepest, p.second);
    }
    return deepest;
}

std::vector<std::vector<double>> StandardProfiles(
    HeatSolver& solver, const std::vector<std::pair<double, double>>& points,
    const std::vector<int>& ratings) {
    std::vector<int> sorted = ratings;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::vector<double>> byMinutes(sorted.size());
    for (std::size_t r = 0; r < sorted.size(); ++r) {
        // Fixed chunks, so that a rating's profile does not depend on which others are asked for.
        while (solver.time() < sorted[r] * 60.0 - 1e-6) {
            solver.advance(kSampleSeconds);
        }
        for (const auto& [x, y] : points) {
            byMinutes[r].push_back(solver.at(x / 1000.0, y / 1000.0));
        }
    }
    std::vector<std::vector<double>> result;
    for (int rating : ratings) {
        const auto at = std::find(sorted.begin(), sorted.end(), rating) - sorted.begin();
        result.push_back(byMinutes[static_cast<std::size_t>(at)]);
    }
    return result;
}

}  // namespace

std::string Fixed(double value, int decimals, bool sign) {
    char text[400];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return (sign && text[0] != '-' ? "+" : "") + std::string(text, end);
}

std::vector<std::string> OpeningFactorTexts() {
    std::vector<std::string> texts;
    for (const float factor : fd9::OpeningFactors) {
        texts.push_back(Fixed(factor, 2));
    }
    return texts;
}

double ParseNumber(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw std::invalid_argument("not a number: " + text);
    }
    return value;
}

std::vector<double> Depths(double last, double step) {
    std::vector<double> d;
    for (int i = 0;; ++i) {
        const double value = i * step;
        if (value > last - 1e-9) {
            break;
        }
        d.push_back(value);
    }
    d.push_back(last);
    return d;
}

double BeamExtent(int width, const Options& o) {
    int wider = 0;
    for (int key : o.beamKeys) {
        if (key > width && (wider == 0 || key < wider)) {
            wider = key;
        }
    }
    const double extent = wider == 0 ? 0.5 * o.widestMember : 0.5 * wider;
    return std::max(extent, 0.5 * width);
}

std::vector<double> BeamDepths(int width, const Options& o) {
    const double half = 0.5 * width;
    std::vector<double> d = Depths(half, o.beamDepthStep);
    const double extent = BeamExtent(width, o);
    const double deepest = std::max(extent, o.beamDamageProbe);
    for (int i = static_cast<int>(std::floor(half / o.beamDeepStep + 1e-9)) + 1;; ++i) {
        const double value = i * o.beamDeepStep;
        if (value > deepest + 1e-9) {
            break;
        }
        if (extent > value - o.beamDeepStep + 1e-9 && extent < value - 1e-9) {
            d.push_back(extent);
        }
        d.push_back(value);
    }
    if (d.back() < extent - 1e-9) {
        d.push_back(extent);
    }
    return d;
}

std::size_t BeamBlockLength(int width, const std::vector<double>& depths,
                            const std::vector<double>& temperatures, const Options& o) {
    const double extent = BeamExtent(width, o);
    std::size_t n = 0;
    while (n < depths.size() && depths[n] <= extent + 1e-9) {
        ++n;
    }
    // As the search will read it: the printed text as a 32-bit float.
    const auto crossing = std::find_if(temperatures.begin(), temperatures.end(), [](double t) {
        const std::string text = Temperature(t);
        float value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value <= 750.0f;
    });
    const auto first = static_cast<std::size_t>(crossing - temperatures.begin());
    if (crossing != temperatures.end() && first >= n) {
        n = first + 1;
    }
    return n;
}

std::vector<std::vector<double>> SlabStandardProfiles(const Material& m, double thickness,
                                                      const std::vector<double>& depths,
                                                      const std::vector<int>& ratings,
                                                      double spacing, double timeStepFactor) {
    HeatSolver solver(m, SlabSection(thickness, spacing), StandardFire(), timeStepFactor);
    std::vector<std::pair<double, double>> points;
    for (double d : depths) {
        points.emplace_back(0.0, d);
    }
    return StandardProfiles(solver, points, ratings);
}

std::vector<std::vector<double>> SlabE119Profiles(const Material& m, double thickness,
                                                  const std::vector<double>& depths,
                                                  const std::vector<int>& minutes, double spacing,
                                                  double timeStepFactor) {
    HeatSolver solver(m, SlabSection(thickness, spacing), E119Fire(), timeStepFactor);
    std::vector<std::pair<double, double>> points;
    for (double d : depths) {
        points.emplace_back(0.0, d);
    }
    return StandardProfiles(solver, points, minutes);
}

std::vector<double> SlabPeakProfile(const Material& m, const LieFire& fire, double thickness,
                                    const std::vector<double>& depths, double spacing,
                                    double timeStepFactor) {
    HeatSolver solver(m, SlabSection(thickness, spacing), Compartment(fire), timeStepFactor);
    return TrackPeaks(solver, fire, depths.size(),
                      [&](std::size_t i) { return solver.at(0.0, depths[i] / 1000.0); });
}

std::vector<std::vector<double>> BeamStandardProfiles(const Material& m, double width,
                                                      const std::vector<double>& depths,
                                                      const std::vector<int>& ratings,
                                                      double spacing, double margin,
                                                      double timeStepFactor) {
    std::vector<std::pair<double, double>> points;
    for (double d : depths) {
        points.push_back(BeamPoint(width, d));
    }
    return BeamStandardAtPoints(m, width, points, ratings, spacing, margin, timeStepFactor);
}

std::vector<std::vector<double>> BeamStandardAtPoints(
    const Material& m, double width, const std::vector<std::pair<double, double>>& points,
    const std::vector<int>& ratings, double spacing, double margin, double timeStepFactor) {
    std::vector<std::pair<double, double>> inside;
    for (const auto& [x, y] : points) {
        inside.emplace_back(std::min(x, 0.5 * width), y);
    }
    HeatSolver solver(m, BeamSection(width, Deepest(inside), spacing, margin), StandardFire(),
                      timeStepFactor);
    return StandardProfiles(solver, inside, ratings);
}

std::vector<double> BeamPeakProfile(const Material& m, const LieFire& fire, double width,
                                    const std::vector<double>& depths, double spacing,
                                    double margin, double timeStepFactor) {
    std::vector<std::pair<double, double>> points;
    for (double d : depths) {
        points.push_back(BeamPoint(width, d));
    }
    HeatSolver solver(m, BeamSection(width, Deepest(points), spacing, margin), Compartment(fire),
                      timeStepFactor);
    return TrackPeaks(solver, fire, points.size(), [&](std::size_t i) {
        return solver.at(points[i].first / 1000.0, points[i].second / 1000.0);
    });
}

double InsulationMinutes(const Material& m, double thickness, double spacing,
                         double timeStepFactor) {
    HeatSolver solver(m, SlabSection(thickness, spacing), StandardFire(), timeStepFactor);
    const double top = thickness / 1000.0;
    const double limit = 20.0 + 140.0;
    constexpr double kStep = 6.0;  // s
    double before = solver.at(0.0, top);
    while (solver.time() < 600.0 * 60.0) {
        solver.advance(kStep);
        const double now = solver.at(0.0, top);
        if (now >= limit) {
            return (solver.time() - kStep * (now - limit) / (now - before)) / 60.0;
        }
        before = now;
    }
    throw std::runtime_error("unexposed face did not reach the insulation limit");
}

void WriteStandardSlabFile(std::ostream& out, const Material& m, const Options& o) {
    const auto depths = Depths(o.slabThickness, o.slabDepthStep);
    const auto profiles = SlabStandardProfiles(m, o.slabThickness, depths, o.ratings, o.slabSpacing,
                                               o.timeStepFactor);
    for (std::size_t r = 0; r < o.ratings.size(); ++r) {
        for (std::size_t i = 0; i < depths.size(); ++i) {
            out << o.ratings[r] << ",0," << Number(depths[i]) << ',' << Temperature(profiles[r][i])
                << ",0\n";
        }
    }
}

void WriteStandardBeamFile(std::ostream& out, const Material& m, const Options& o) {
    std::vector<std::future<std::vector<std::vector<double>>>> runs;
    std::vector<std::vector<double>> depths;
    for (int w : o.beamWidths) {
        depths.push_back(BeamDepths(w, o));
        runs.push_back(std::async(std::launch::async, [&, w, d = depths.back()] {
            return BeamStandardProfiles(m, w, d, o.ratings, o.beamSpacing, o.beamMargin,
                                        o.timeStepFactor);
        }));
    }
    std::vector<std::vector<std::vector<double>>> results;
    for (auto& r : runs) {
        results.push_back(r.get());
    }
    for (std::size_t r = 0; r < o.ratings.size(); ++r) {
        for (std::size_t w = 0; w < o.beamWidths.size(); ++w) {
            const std::size_t n = BeamBlockLength(o.beamWidths[w], depths[w], results[w][r], o);
            for (std::size_t i = 0; i < n; ++i) {
                out << o.ratings[r] << ',' << o.beamWidths[w] << ',' << Number(depths[w][i]) << ','
                    << Temperature(results[w][r][i]) << ",0\n";
            }
        }
    }
}

void WriteRealSlabFile(std::ostream& out, const Material& m, const Options& o) {
    const auto depths = Depths(o.slabThickness, o.slabDepthStep);
    for (int load : o.fireLoads) {
        for (const auto& factor : o.openingFactors) {
            const LieFire fire(load, ParseNumber(factor));
            const auto peaks =
                SlabPeakProfile(m, fire, o.slabThickness, depths, o.slabSpacing, o.timeStepFactor);
            for (std::size_t i = 0; i < depths.size(); ++i) {
                out << load << ',' << factor << ',' << Number(depths[i]) << ','
                    << Temperature(peaks[i]) << ",0\n";
            }
        }
    }
}

void WriteRealBeamFile(std::ostream& out, const Material& m, const Options& o) {
    struct Case {
        int load;
        std::string factor;
        int width;
        std::vector<double> depths;
        std::future<std::vector<double>> peaks;
    };
    std::vector<Case> cases;
    for (int load : o.fireLoads) {
        for (const auto& factor : o.openingFactors) {
            for (int w : o.beamWidths) {
                cases.push_back({load, factor, w, BeamDepths(w, o), {}});
            }
        }
    }
    // Two workers share the cases; each case is independent.
    std::atomic<std::size_t> next{0};
    std::vector<std::vector<double>> results(cases.size());
    auto work = [&] {
        for (std::size_t c; (c = next.fetch_add(1)) < cases.size();) {
            const LieFire fire(cases[c].load, ParseNumber(cases[c].factor));
            results[c] = BeamPeakProfile(m, fire, cases[c].width, cases[c].depths, o.beamSpacing,
                                         o.beamMargin, o.timeStepFactor);
        }
    };
    auto other = std::async(std::launch::async, work);
    work();
    other.get();
    for (std::size_t c = 0; c < cases.size(); ++c) {
        const std::size_t n = BeamBlockLength(cases[c].width, cases[c].depths, results[c], o);
        for (std::size_t i = 0; i < n; ++i) {
            out << cases[c].load << ',' << cases[c].width << ',' << cases[c].factor << ','
                << Number(cases[c].depths[i]) << ',' << Temperature(results[c][i]) << '\n';
        }
    }
}

std::vector<std::string> GenerateAll(const std::filesystem::path& dir, const Options& o) {
    const Material normal = MakeConcrete(Concrete::NormalWeight);
    const Material quartz = MakeConcrete(Concrete::AlluvialQuartz);
    const Material dacite = MakeConcrete(Concrete::Dacite);
    const Material pumice = MakeConcrete(Concrete::Pumice);
    struct File {
        std::string name;
        std::function<void(std::ostream&)> write;
    };
    const std::vector<File> files = {
        {"denslab.con", [&](std::ostream& s) { WriteStandardSlabFile(s, normal, o); }},
        {"aqslab.con", [&](std::ostream& s) { WriteStandardSlabFile(s, quartz, o); }},
        {"dacslab.con", [&](std::ostream& s) { WriteStandardSlabFile(s, dacite, o); }},
        {"pumslab.con", [&](std::ostream& s) { WriteStandardSlabFile(s, pumice, o); }},
        {"realslab.con", [&](std::ostream& s) { WriteRealSlabFile(s, normal, o); }},
        {"denbeam.con", [&](std::ostream& s) { WriteStandardBeamFile(s, normal, o); }},
        {"realbm.con", [&](std::ostream& s) { WriteRealBeamFile(s, normal, o); }},
    };
    std::vector<std::string> names;
    for (const auto& f : files) {
        std::ostringstream text;
        text.imbue(std::locale::classic());
        f.write(text);
        std::ofstream out(dir / f.name, std::ios::binary);
        out << text.str();
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + (dir / f.name).string());
        }
        names.push_back(f.name);
    }
    return names;
}

}  // namespace tempgen
