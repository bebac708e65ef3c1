#include "Validation.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <locale>
#include <map>
#include <numeric>
#include <sstream>
#include <stdexcept>

#include "Generator.h"
#include "HeatSolver.h"

namespace tempgen {
namespace {

// Depth (mm) at which a profile falls through the temperature, linear between depths.
double DepthAt(const std::vector<double>& depths, const std::vector<double>& t, double target) {
    for (std::size_t i = 1; i < depths.size(); ++i) {
        if (t[i] <= target) {
            return depths[i] - (target - t[i]) * (depths[i] - depths[i - 1]) / (t[i - 1] - t[i]);
        }
    }
    return NAN;
}

}  // namespace

const std::vector<int>& BandRatings() {
    static const std::vector<int> ratings{fd9::StandardRatings.begin(), fd9::StandardRatings.end()};
    return ratings;
}

const std::vector<InsulationBands>& InsulationBandTable() {
    static const std::vector<InsulationBands> table = {
        {Concrete::NormalWeight, {50, 75, 95, 110, 140, 165}},
        {Concrete::AlluvialQuartz, {50, 75, 95, 110, 140, 165}},
        {Concrete::Dacite, {45, 70, 90, 105, 135, 160}},
        {Concrete::Pumice, {40, 55, 70, 80, 100, 120}},
    };
    return table;
}

const std::vector<AxisDistance>& SlabAxisDistances() {
    // EN 1992-1-2 Table 5.8, simply supported one-way solid slabs, REI 30 to REI 240.
    static const std::vector<AxisDistance> table = {{30, 10},  {60, 20},  {90, 30},
                                                    {120, 40}, {180, 55}, {240, 65}};
    return table;
}

double DepthOf500(const Material& m, int rating, double spacing) {
    const auto depths = Depths(120.0, 0.5);
    const auto p = SlabStandardProfiles(m, 200.0, depths, {rating}, spacing);
    return DepthAt(depths, p[0], 500.0);
}

std::vector<TestPoint> ReadTestPoints(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) {
        throw std::runtime_error("cannot read " + file.string());
    }
    std::vector<TestPoint> points;
    bool header = true;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> f;
        std::stringstream s(line);
        for (std::string field; std::getline(s, field, ',');) {
            f.push_back(field);
        }
        if (f.size() != 6) {
            throw std::runtime_error("test record of " + std::to_string(f.size()) +
                                     " fields: " + line);
        }
        try {
            points.push_back({f[0], ParseNumber(f[2]), std::stoi(f[3]), ParseNumber(f[5])});
        } catch (const std::logic_error&) {
            throw std::runtime_error("test record with a field that is not a number: " + line);
        }
    }
    if (points.empty()) {
        throw std::runtime_error("no test records in " + file.string());
    }
    return points;
}

std::vector<TestComparison> CompareWithTests(const Material& m, const std::vector<TestPoint>& tests,
                                             const std::string& aggregate, double spacing) {
    std::vector<TestComparison> rows;
    std::vector<double> depths;
    std::vector<int> minutes;
    for (const auto& t : tests) {
        if (t.aggregate != aggregate) {
            continue;
        }
        rows.push_back({t, 0.0});
        if (std::find(depths.begin(), depths.end(), t.depth) == depths.end()) {
            depths.push_back(t.depth);
        }
        if (std::find(minutes.begin(), minutes.end(), t.minutes) == minutes.end()) {
            minutes.push_back(t.minutes);
        }
    }
    const auto p = SlabE119Profiles(m, 200.0, depths, minutes, spacing);
    for (auto& row : rows) {
        const auto r =
            std::find(minutes.begin(), minutes.end(), row.test.minutes) - minutes.begin();
        const auto d = std::find(depths.begin(), depths.end(), row.test.depth) - depths.begin();
        row.computed = p[static_cast<std::size_t>(r)][static_cast<std::size_t>(d)];
    }
    return rows;
}

double MeanDeviation(const std::vector<TestComparison>& rows) {
    if (rows.empty()) {
        return NAN;
    }
    double sum = 0.0;
    for (const auto& r : rows) {
        sum += r.deviation();
    }
    return sum / static_cast<double>(rows.size());
}

std::string TestComparisonReport(const std::vector<TestPoint>& tests) {
    struct Case {
        Concrete concrete;
        const char* aggregate;
    };
    const std::vector<Case> cases = {{Concrete::NormalWeight, "siliceous"},
                                     {Concrete::AlluvialQuartz, "siliceous"},
                                     {Concrete::Dacite, "siliceous"},
                                     {Concrete::Pumice, "semi-lightweight"}};
    const Options o;
    std::ostringstream out;
    out.imbue(std::locale::classic());
    for (const auto& c : cases) {
        const Material m = MakeConcrete(c.concrete);
        const auto rows = CompareWithTests(m, tests, c.aggregate, o.slabSpacing);
        out << "#### " << ConcreteName(c.concrete) << " slab under ASTM E119 against the "
            << c.aggregate << " test curves (degC)\n\n"
            << "| depth mm | 1 h test | 1 h ours | 1 h dev | 2 h test | 2 h ours | 2 h dev | "
               "3 h test | 3 h ours | 3 h dev |\n|---|---|---|---|---|---|---|---|---|---|\n";
        std::map<double, std::map<int, const TestComparison*>> byDepth;
        std::map<int, std::vector<TestComparison>> byTime;
        for (const auto& r : rows) {
            byDepth[r.test.depth][r.test.minutes] = &r;
            byTime[r.test.minutes].push_back(r);
        }
        for (const auto& [depth, times] : byDepth) {
            out << "| " << Fixed(depth, 1) << " |";
            for (int minutes : {60, 120, 180}) {
                const auto it = times.find(minutes);
                if (it == times.end()) {
                    out << " | | |";
                    continue;
                }
                out << ' ' << Fixed(it->second->test.temperature, 0) << " | "
                    << Fixed(it->second->computed, 0) << " | "
                    << Fixed(it->second->deviation(), 0, true) << " |";
            }
            out << '\n';
        }
        out << "| mean |";
        for (int minutes : {60, 120, 180}) {
            out << " | | " << Fixed(MeanDeviation(byTime[minutes]), 1, true) << " |";
        }
        out << "\n\nMean deviation over all " << rows.size()
            << " points: " << Fixed(MeanDeviation(rows), 1, true) << " degC.\n\n";
    }
    return out.str();
}

namespace {

// Largest difference between two tables of the same shape (degC).
double MaxChange(const std::vector<std::vector<double>>& a,
                 const std::vector<std::vector<double>>& b) {
    double worst = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < a[i].size(); ++j) {
            worst = std::max(worst, std::abs(a[i][j] - b[i][j]));
        }
    }
    return worst;
}

void ProfileTable(std::ostream& out, const char* title, const Material& m, const Options& o) {
    const std::vector<double> depths = {0, 10, 20, 30, 40, 50, 60, 80, 100, 150, 200};
    out << "### " << title << ", h = 200 mm, standard fire (degC)\n\n| depth mm |";
    for (int r : o.ratings) {
        out << " R" << r << " |";
    }
    out << "\n|---|";
    for (std::size_t i = 0; i < o.ratings.size(); ++i) {
        out << "---|";
    }
    out << '\n';
    const auto slab = SlabStandardProfiles(m, 200.0, depths, o.ratings, o.slabSpacing);
    for (std::size_t d = 0; d < depths.size(); ++d) {
        out << "| " << depths[d] << " |";
        for (std::size_t r = 0; r < o.ratings.size(); ++r) {
            out << ' ' << Fixed(slab[r][d], 0) << " |";
        }
        out << '\n';
    }
    out << '\n';
}

void AxisDistanceTable(std::ostream& out, const Material& annex, const Material& normal,
                       const Options& o) {
    out << "### 500 degC depth of the slab against EN 1992-1-2 Table 5.8\n\n"
           "| rating | axis distance a, mm | Annex A, mm | ratio | calibrated, mm | ratio |\n"
           "|---|---|---|---|---|---|\n";
    for (const auto& a : SlabAxisDistances()) {
        const double d = DepthOf500(annex, a.rating, o.slabSpacing);
        const double c = DepthOf500(normal, a.rating, o.slabSpacing);
        out << "| R" << a.rating << " | " << a.distance << " | " << Fixed(d, 1) << " | "
            << Fixed(d / a.distance, 2) << " | " << Fixed(c, 1) << " | " << Fixed(c / a.distance, 2)
            << " |\n";
    }
}

void InsulationTable(std::ostream& out, const Options& o) {
    out << "\n### Insulation: minutes to a 140 degC rise of the unexposed face\n\n"
           "| concrete | 30 | 60 | 90 | 120 | 180 | 240 |\n|---|---|---|---|---|---|---|\n";
    for (const auto& band : InsulationBandTable()) {
        const Material m = MakeConcrete(band.concrete);
        out << "| " << ConcreteName(band.concrete) << " |";
        for (std::size_t i = 0; i < band.thickness.size(); ++i) {
            const double t = InsulationMinutes(m, band.thickness[i], o.slabSpacing);
            out << ' ' << band.thickness[i] << " mm: " << Fixed(t, 0) << " ("
                << Fixed(100.0 * (t / BandRatings()[i] - 1.0), 0, true) << " %) |";
        }
        out << '\n';
    }
}

void BisectorTable(std::ostream& out, const Material& normal, const Options& o) {
    out << "\n### Corner bisector against the centre line (standard fire, degC)\n\n"
           "| width mm | rating | depth mm | bisector | centre line | difference |\n"
           "|---|---|---|---|---|---|\n";
    for (int w : {200, 300, 400}) {
        const std::vector<double> depths = {25, 40, 60};
        std::vector<std::pair<double, double>> points;
        for (double d : depths) {
            points.emplace_back(d, d);
            points.emplace_back(0.5 * w, d);
        }
        const std::vector<int> ratings = {60, 120, 240};
        const auto t =
            BeamStandardAtPoints(normal, w, points, ratings, o.beamSpacing, o.beamMargin);
        for (std::size_t r = 0; r < ratings.size(); ++r) {
            for (std::size_t d = 0; d < depths.size(); ++d) {
                const double b = t[r][2 * d];
                const double c = t[r][2 * d + 1];
                out << "| " << w << " | R" << ratings[r] << " | " << depths[d] << " | "
                    << Fixed(b, 0) << " | " << Fixed(c, 0) << " | " << Fixed(b - c, 0, true)
                    << " |\n";
            }
        }
    }
}

void GridStudy(std::ostream& out, const Material& normal, const Options& o) {
    out << "\n### Grid study: largest change of a tabulated value when the spacing is halved "
           "(the explicit step falls with it to a quarter)\n\n| case | spacing mm | change degC |\n"
           "|---|---|---|\n";
    const auto depths = Depths(o.slabThickness, o.slabDepthStep);
    const auto a = SlabStandardProfiles(normal, 200.0, depths, o.ratings, o.slabSpacing);
    const auto b = SlabStandardProfiles(normal, 200.0, depths, o.ratings, 0.5 * o.slabSpacing);
    out << "| slab, standard fire, R30..R240 | " << 1000 * o.slabSpacing << " | "
        << Fixed(MaxChange(a, b), 2) << " |\n";
    double worst = 0.0;
    for (int load : o.fireLoads) {
        for (const auto& f : o.openingFactors) {
            const LieFire fire(load, ParseNumber(f));
            const auto pa = SlabPeakProfile(normal, fire, 200.0, depths, o.slabSpacing);
            const auto pb = SlabPeakProfile(normal, fire, 200.0, depths, 0.5 * o.slabSpacing);
            worst = std::max(worst, MaxChange({pa}, {pb}));
        }
    }
    out << "| slab, all 15 compartment fires | " << 1000 * o.slabSpacing << " | " << Fixed(worst, 2)
        << " |\n";
    for (int w : {100, 300}) {
        const auto beamDepths = BeamDepths(w, o);
        const auto ba =
            BeamStandardProfiles(normal, w, beamDepths, o.ratings, o.beamSpacing, o.beamMargin);
        const auto bb = BeamStandardProfiles(normal, w, beamDepths, o.ratings, 0.5 * o.beamSpacing,
                                             o.beamMargin);
        out << "| beam " << w << " mm, standard fire, R30..R240 | " << 1000 * o.beamSpacing << " | "
            << Fixed(MaxChange(ba, bb), 2) << " |\n";
    }
    for (const auto& [load, factor] :
         std::vector<std::pair<int, double>>{{111, 0.01}, {37, 0.15}}) {
        const LieFire fire(load, factor);
        const auto beamDepths = Depths(75.0, o.beamDepthStep);
        const auto pa = BeamPeakProfile(normal, fire, 150, beamDepths, o.beamSpacing, o.beamMargin);
        const auto pb =
            BeamPeakProfile(normal, fire, 150, beamDepths, 0.5 * o.beamSpacing, o.beamMargin);
        out << "| beam 150 mm, fire load " << load << ", opening factor " << factor << " | "
            << 1000 * o.beamSpacing << " | " << Fixed(MaxChange({pa}, {pb}), 2) << " |\n";
    }
}

}  // namespace

std::string ValidationReport() {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    const Options o;
    const Material normal = MakeConcrete(Concrete::NormalWeight);
    const Material annex = MakeMaterial("annex", NormalWeightConcrete{});
    ProfileTable(out, "EN 1992-1-2 Annex A assumptions (lower limit, 1.5 % moisture)", annex, o);
    ProfileTable(out, "Calibrated normal-weight slab (upper limit, no moisture)", normal, o);
    AxisDistanceTable(out, annex, normal, o);
    InsulationTable(out, o);
    BisectorTable(out, normal, o);
    GridStudy(out, normal, o);
    return out.str();
}

}  // namespace tempgen
