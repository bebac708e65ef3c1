// The members and temperature tables the benchmarks share, so that each times the same work.
#pragma once

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/ModelFile.h"
#include "model/FireRatings.h"
#include "model/FloorModel.h"
#include "model/LoadCombinations.h"
#include "model/ResultFormat.h"

namespace fd9::bench {

// Tables of a realistic size: every fire case, five width blocks for beams, 10 mm steps
// to 300 mm. The searched cases are the last in their files, so each search reads nearly all.
inline void WriteBlock(std::ostream& out, const std::string& keys, double surface, double decay,
                       bool fifthUnused) {
    for (int depth = 0; depth <= 300; depth += 10) {
        const double temp = 20 + (surface - 20) * std::exp(-depth / decay);
        out << keys << ", " << depth << ", " << static_cast<double>(std::lround(temp * 10)) / 10.0;
        out << (fifthUnused ? ", 0\n" : "\n");
    }
}

// A new folder of the tables in the temporary folder, named prefix and the process id.
inline std::filesystem::path WriteSyntheticTables(const std::string& prefix) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / (prefix + std::to_string(::getpid()));
    fs::create_directories(dir);
    const int widths[] = {400, 300, 200, 150, 100};  // widest first: the first qualifying wins

    std::ofstream beam(dir / "denbeam.con");
    for (int rating : StandardRatings) {
        for (int width : widths) {
            WriteBlock(beam, std::to_string(rating) + ", " + std::to_string(width),
                       1000 + rating / 2.0 + (400 - width) / 4.0, 20 + rating / 8.0, true);
        }
    }
    for (const char* name : {"denslab.con", "aqslab.con", "dacslab.con", "pumslab.con"}) {
        std::ofstream slab(dir / name);
        for (int rating : StandardRatings) {
            WriteBlock(slab, std::to_string(rating) + ", 100", 980 + rating / 2.0,
                       18 + rating / 8.0, true);
        }
    }
    std::ofstream realBeam(dir / "realbm.con");
    std::ofstream realSlab(dir / "realslab.con");
    for (int load : FireLoads) {
        for (const float openingFactor : OpeningFactors) {
            const std::string factor = FormatResult(openingFactor, "0.00");
            const double surface = 900 + load * 1.5 + std::stod(factor) * 400;
            for (int width : widths) {
                WriteBlock(realBeam,
                           std::to_string(load) + ", " + std::to_string(width) + ", " + factor,
                           surface + (400 - width) / 4.0, 15 + load / 5.0, false);
            }
            WriteBlock(realSlab, std::to_string(load) + ", " + factor, surface - 20,
                       14 + load / 5.0, true);
        }
    }
    return dir;
}

inline void AddBar(SteelTable& table, std::int16_t& count, float x, float y, float diameter) {
    table[count] = {x, y, diameter, 0};
    ++count;
}

// A 600 mm beam, a 200 mm slab or a 480 mm double tee or tee beam of normal-weight concrete over
// 8 m, under a 120 minute rating or the largest compartment fire.
inline FloorModel BenchMember(FloorType floor, SupportCondition support, DesignFire fire) {
    FloorModel model;
    model.Selected.FloorType = floor;
    model.Selected.SupportCondition = support;
    model.Selected.DesignFire = fire;
    model.Selected.ConcreteType = ConcreteType::NormalWeight;
    model.ConcreteType = static_cast<std::int16_t>(ConcreteType::NormalWeight);
    model.FRRequired = 120;
    model.FireLoad = FireLoads.back();
    model.OpeningFactor = OpeningFactors.back();
    model.ConcreteStrength = 40;
    model.PosSteelStrength = 500;
    model.NegSteelStrength = 500;
    model.DeadLoad = 10;
    model.LiveLoad = 6;
    model.DeadLoadFactor = NzsDeadLoadFactor;
    model.LiveLoadFactor = NzsLiveLoadFactor(Occupancy::DomesticFloors);
    model.Span = 8;
    switch (floor) {
        case FloorType::Beam:
            model.SectionWidth = 300;
            model.SectionDepth = 600;
            for (float x : {70.f, 150.f, 230.f}) {
                AddBar(model.PosSteel, model.PosSteelCount, x, 530, 25);
                AddBar(model.NegSteel, model.NegSteelCount, x, 60, 16);
            }
            break;
        case FloorType::Slab:
            model.SectionWidth = 1000;
            model.SectionDepth = 200;
            for (float x : {100.f, 300.f, 500.f, 700.f, 900.f}) {
                AddBar(model.PosSteel, model.PosSteelCount, x, 160, 12);
                AddBar(model.NegSteel, model.NegSteelCount, x, 40, 12);
            }
            break;
        case FloorType::DoubleTee:
        case FloorType::TeeBeam: {
            model.OverallDepth = 480;
            model.OverallWidth = 2400;
            model.RibDepth = 350;
            model.RibWidthBot = 125;
            model.RibWidthTop = 175;
            const bool tee = floor == FloorType::TeeBeam;
            for (float centre : tee ? std::vector<float>{1200} : std::vector<float>{600, 1800}) {
                AddBar(model.PosSteel, model.PosSteelCount, centre, 420, 20);
            }
            for (float x : {300.f, 900.f, 1500.f, 2100.f}) {
                AddBar(model.NegSteel, model.NegSteelCount, x, 50, 12);
            }
            break;
        }
    }
    return model;
}

// The member's model file, as Save As writes it for a domestic floor under NZS 4203.
inline std::string BenchModelFile(FloorModel model) {
    RefreshStoredCodes(model, LoadCombination::NZS4203, Occupancy::DomesticFloors);
    std::ostringstream out;
    WriteModelFile(out, model, LoadCombination::NZS4203);
    return out.str();
}

}  // namespace fd9::bench
