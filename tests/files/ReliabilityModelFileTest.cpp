// The model file under random valid models and random damage.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "../reliability/ModelFields.h"
#include "files/ModelFile.h"
#include "model/ParseLeadingNumber.h"
#include "model/ResetModel.h"

namespace fd9 {
namespace {

std::string Written(const FloorModel& model, LoadCombination combination) {
    std::ostringstream out;
    WriteModelFile(out, model, combination);
    return out.str();
}

ModelFileResult Read(const std::string& text, FloorModel& model) {
    std::istringstream in(text);
    return ReadModelFile(in, model);
}

// A number as a dialog leaves it: at most seven significant digits, read back from its text.
float Typed(std::mt19937& rng, double low, double high) {
    const double value = std::uniform_real_distribution<double>(low, high)(rng);
    const int digits = std::uniform_int_distribution<int>(1, 7)(rng);
    char text[48];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return static_cast<float>(ParseLeadingNumber(text));
}

FloorModel RandomModel(std::mt19937& rng) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    FloorModel m;
    m.Selected.FloorType = static_cast<FloorType>(pick(4));
    ResetModelData(m);
    m.SectionWidth = Typed(rng, 100, 3000);
    m.SectionDepth = Typed(rng, 50, 1200);
    m.OverallWidth = Typed(rng, 300, 3000);
    m.OverallDepth = Typed(rng, 200, 1000);
    m.RibDepth = Typed(rng, 50, 800);
    m.RibWidthBot = Typed(rng, 50, 400);
    m.RibWidthTop = Typed(rng, 50, 400);
    m.PosSteelStrength = float(pick(2000) + 1);
    m.NegSteelStrength = float(pick(2000) + 1);
    m.ConcreteStrength = float(pick(100) + 1);
    m.FRRequired = std::int16_t(30 + pick(211));
    m.FloorTypeCode = FloorTypeToCode(m.Selected.FloorType);
    m.SupportCondition = std::int16_t(pick(2));
    m.PosSteelType = std::int16_t(pick(2));
    m.NegSteelType = std::int16_t(pick(2));
    m.ConcreteType = std::int16_t(pick(5));
    m.DeadLoad = Typed(rng, 0, 100);
    m.LiveLoad = Typed(rng, 0, 100);
    m.DeadLoadFactor = Typed(rng, 0, 1.5);
    m.LiveLoadFactor = Typed(rng, 0, 1);
    m.Span = Typed(rng, 0.5, 40);
    m.FireTypeCode = std::int16_t(pick(2));
    const std::int16_t fireLoads[] = {37, 74, 111};
    m.FireLoad = fireLoads[pick(3)];
    const float openings[] = {0.01f, 0.02f, 0.04f, 0.08f, 0.15f};
    m.OpeningFactor = openings[pick(5)];
    m.PosSteelCount = std::int16_t(1 + pick(MaxSteelRows));
    m.NegSteelCount = std::int16_t(pick(MaxSteelRows + 1));
    for (auto [table, count] :
         {std::pair{&m.PosSteel, m.PosSteelCount}, std::pair{&m.NegSteel, m.NegSteelCount}}) {
        for (int row = 0; row < count; ++row) {
            (*table)[row] = {Typed(rng, 0, 3000), Typed(rng, 0, 1000), Typed(rng, 5, 40),
                             Typed(rng, 0, 200)};
        }
    }
    m.PosSteelArea = Typed(rng, 0, 1e5);
    m.NegSteelArea = Typed(rng, 0, 1e5);
    m.PosEffectiveCover = Typed(rng, 0, 200);
    m.NegEffectiveCover = Typed(rng, 0, 200);
    m.PosCentroid = Typed(rng, 0, 1000);
    m.NegCentroid = Typed(rng, 0, 1000);
    return m;
}

// Only the fields the file holds, and only the bar rows within the counts.
std::string StoredPart(const FloorModel& m) {
    FloorModel kept;
    ResetModelData(kept);
    for (const ModelFileField& f : ModelFileFields()) {
        if (f.real) {
            kept.*f.real = m.*f.real;
        } else if (f.whole) {
            kept.*f.whole = m.*f.whole;
        }
    }
    kept.PosSteel = {};
    kept.NegSteel = {};
    for (int row = 0; row < m.PosSteelCount; ++row)
        kept.PosSteel[row] = m.PosSteel[row];
    for (int row = 0; row < m.NegSteelCount; ++row)
        kept.NegSteel[row] = m.NegSteel[row];
    return reliability::Describe(kept);
}

TEST(ReliabilityModelFile, RandomModelsComeBackFieldForFieldAndBarForBar) {
    std::mt19937 rng(5);
    for (int trial = 0; trial < 300; ++trial) {
        const FloorModel saved = RandomModel(rng);
        const auto combination = static_cast<LoadCombination>(trial % 2);
        const std::string text = Written(saved, combination);
        FloorModel opened;
        ResetModelData(opened);
        const ModelFileResult result = Read(text, opened);
        ASSERT_EQ(result.status, ModelFileStatus::Read) << text;
        EXPECT_EQ(result.combination, combination);
        const std::string want = StoredPart(saved);
        const std::string got = StoredPart(opened);
        ASSERT_EQ(got, want) << reliability::Difference(want, got) << text;
    }
}

// The writer spells a stopped run's values NAN and INF; in an input they are damage.
TEST(ReliabilityModelFile, NonFiniteInputsAreRefusedButCalculatedValuesStillOpen) {
    std::mt19937 rng(9);
    FloorModel model = RandomModel(rng);
    model.PosSteelCount = 1;
    model.NegSteelCount = 0;
    const std::string good = Written(model, LoadCombination::NZS4203);
    struct Case {
        const char* name;
        float FloorModel::*field;
        bool opens;
    };
    for (const Case& c : {Case{"SectionWidth", &FloorModel::SectionWidth, false},
                          Case{"Span", &FloorModel::Span, false},
                          Case{"OpeningFactor", &FloorModel::OpeningFactor, false},
                          Case{"PosSteelArea", &FloorModel::PosSteelArea, true},
                          Case{"NegCentroid", &FloorModel::NegCentroid, true}}) {
        for (float bad : {INFINITY, -INFINITY, NAN}) {
            FloorModel damaged = model;
            damaged.*c.field = bad;
            FloorModel opened;
            ResetModelData(opened);
            EXPECT_EQ(Read(Written(damaged, LoadCombination::NZS4203), opened).status ==
                          ModelFileStatus::Read,
                      c.opens)
                << c.name << " = " << bad;
        }
    }
    for (int column : {SteelX, SteelY, SteelDiameter}) {
        FloorModel damaged = model;
        damaged.PosSteel[0][column] = INFINITY;
        FloorModel opened;
        ResetModelData(opened);
        EXPECT_EQ(Read(Written(damaged, LoadCombination::NZS4203), opened).status,
                  ModelFileStatus::NotANumber)
            << "bar column " << column;
    }
    FloorModel opened;
    ResetModelData(opened);
    EXPECT_EQ(Read(good, opened).status, ModelFileStatus::Read);
}

std::string Damage(std::string text, std::mt19937& rng) {
    auto at = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(rng); };
    switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
        case 0:
            text.resize(at(text.size()));
            break;
        case 1:
            for (int i = 0, n = 1 + int(at(3)); i < n && !text.empty(); ++i) {
                text[at(text.size() - 1)] = static_cast<char>(at(255));
            }
            break;
        case 2: {
            std::vector<std::string> lines;
            std::istringstream in(text);
            for (std::string line; std::getline(in, line);)
                lines.push_back(line);
            lines.erase(lines.begin() + long(at(lines.size() - 1)));
            text.clear();
            for (const std::string& line : lines)
                text += line + "\n";
            break;
        }
        default: {  // a count changed
            const std::size_t comma = text.find(',', text.find('\n'));
            const std::size_t second = text.find(',', comma + 1);
            static const char* const counts[] = {"-1", "31", "32767", "0", "30", "2.5", "x"};
            text.replace(second + 1, text.find(',', second + 1) - second - 1,
                         counts[at(std::size(counts) - 1)]);
            break;
        }
    }
    return text;
}

TEST(ReliabilityModelFile, DamagedFilesOpenWholeOrAreRefused) {
    std::mt19937 rng(2026);
    int opened = 0;
    int refused = 0;
    for (int trial = 0; trial < 1000; ++trial) {
        const FloorModel saved = RandomModel(rng);
        const std::string text = Damage(Written(saved, LoadCombination::NZS4203), rng);
        FloorModel model;
        ResetModelData(model);
        const ModelFileResult result = Read(text, model);
        if (result.status != ModelFileStatus::Read) {
            ++refused;
            continue;
        }
        ++opened;
        ASSERT_TRUE(reliability::FirstNonFinite(model).empty()) << text;
        ASSERT_GE(model.PosSteelCount, 0);
        ASSERT_LE(model.PosSteelCount, MaxSteelRows);
        ASSERT_GE(model.NegSteelCount, 0);
        ASSERT_LE(model.NegSteelCount, MaxSteelRows);
    }
    EXPECT_GT(opened, 0);
    EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace fd9
