#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <tuple>

#include "../reliability/ModelFields.h"
#include "TextFixtures.h"
#include "files/ModelFile.h"
#include "model/ParseLeadingNumber.h"
#include "model/ResetModel.h"

namespace fd9 {
namespace {

using enum ModelFileStatus;
using enum FloorType;
using enum DesignFire;
using enum SupportCondition;
using enum ConcreteType;
using fixtures::Golden;

std::string Written(const FloorModel& model,
                    LoadCombination combination = LoadCombination::NZS4203) {
    std::ostringstream out;
    WriteModelFile(out, model, combination);
    return out.str();
}

ModelFileResult ReadText(const std::string& text, FloorModel& model) {
    std::istringstream in(text);
    return ReadModelFile(in, model);
}

// Field for field and bar for bar, exactly: a typed value of seven digits comes back the same.
testing::AssertionResult Alike(const FloorModel& want, const FloorModel& got) {
    const std::string a = reliability::Describe(want), b = reliability::Describe(got);
    if (a == b) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << reliability::Difference(a, b);
}

// The simply supported slab of the file layout's worked example.
TEST(ModelFile, ExampleSlabIsWrittenByteForByte) {
    FloorModel m;
    m.Selected.FloorType = Slab;
    ResetModelData(m);
    m.PosSteelCount = 1;
    m.PosSteel[0] = {500, 125, 12, 25};
    m.FRRequired = 60;
    m.ConcreteType = 2;
    m.DeadLoad = 6;
    m.LiveLoad = 16;
    m.DeadLoadFactor = 1;
    m.LiveLoadFactor = 0.9f;  // stale: NZS 4203 domestic occupancy writes .4
    m.Span = 12;
    m.FireLoad = 37;
    m.OpeningFactor = 0.04f;
    m.PosSteelArea = 113.097336f;
    m.PosEffectiveCover = 25;
    m.PosCentroid = 25;
    RefreshStoredCodes(m, LoadCombination::NZS4203, Occupancy::DomesticFloors);
    EXPECT_EQ(Written(m), Golden("example_slab.dat"));
}

TEST(ModelFile, StoredCodesFollowTheSelectionsThereAndBack) {
    const struct {
        FloorType type;
        std::int16_t code;
        DesignFire fire;
        SupportCondition support;
        std::int16_t steel;  // any non-zero code is a strand
        ConcreteType concrete;
    } cases[] = {{Beam, 0, NonStandard, Continuous, 7, NormalWeight},
                 {Slab, 1, Standard, SimplySupported, 1, Pumice},
                 {TeeBeam, 2, Standard, Continuous, 1, Dacite},
                 {DoubleTee, 3, NonStandard, Continuous, 1, Pumice}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        FloorModel m;
        m.Selected = {.FloorType = c.type, .DesignFire = c.fire, .SupportCondition = c.support};
        m.PosSteelType = c.steel;
        m.ConcreteType = static_cast<std::int16_t>(c.concrete);
        m.LiveLoadFactor = 0.25f;
        RefreshStoredCodes(m, LoadCombination::UserSpecified, Occupancy::Roofs);
        EXPECT_EQ(m.FloorTypeCode, c.code);
        EXPECT_EQ(m.FireTypeCode, static_cast<int>(c.fire));
        EXPECT_EQ(m.SupportCondition, static_cast<int>(c.support));
        EXPECT_EQ(m.LiveLoadFactor, 0.25f);  // user-specified factors are the user's

        FloorModel back;
        const ModelFileResult result =
            OpenModelText(Written(m, LoadCombination::UserSpecified), back);
        ASSERT_EQ(result.status, Read) << result.field;
        EXPECT_EQ(back.Selected.FloorType, c.type);
        EXPECT_EQ(back.Selected.DesignFire, c.fire);
        EXPECT_EQ(back.Selected.SupportCondition, c.support);
        EXPECT_EQ(back.Selected.PosSteelType, SteelType::PrestressingStrand);
        EXPECT_EQ(back.Selected.ConcreteType, c.concrete);
    }

    const std::pair<Occupancy, float> occupancies[] = {
        {Occupancy::Roofs, 0}, {Occupancy::DomesticFloors, 0.4f}, {Occupancy::StorageFloors, 0.6f}};
    FloorModel m;
    for (const auto& [occupancy, factor] : occupancies) {
        RefreshStoredCodes(m, LoadCombination::NZS4203, occupancy);
        EXPECT_EQ(m.LiveLoadFactor, factor);
    }
    RefreshStoredCodes(m, LoadCombination::NZS4203, std::nullopt);
    EXPECT_NE(Written(m).find(",.6,"), std::string::npos);
}

// The window keeps the model it had when a file is refused, so a refused open must not touch it.
TEST(ModelFile, OpenLeavesTheModelAsItWasWhenTheFileIsRefused) {
    const std::string whole = Written(FloorModel{});
    const std::pair<std::string, ModelFileStatus> cases[] = {
        {whole.substr(0, whole.size() / 2), EndOfFile},
        {"\"fd9data\"\r\nx", NotANumber},
        {"", NotModelFile}};
    for (const auto& [text, status] : cases) {
        SCOPED_TRACE(text.size());
        FloorModel model;
        model.Selected.FloorType = Beam;
        model.Span = 3;
        const FloorModel before = model;
        const ModelFileResult result = OpenModelText(text, model);
        EXPECT_EQ(result.status, status);
        EXPECT_FALSE(DescribeModelFileResult(result).empty());
        EXPECT_TRUE(Alike(before, model));
    }
}

// Fields end at a comma or a line end and nothing else of the layout counts; the tag is the
// first field, case and all; a defect is reported with the field, its text and its line.
TEST(ModelFile, ReadsAnyLayoutAndPlacesEveryDefect) {
    const std::string good = Golden("example_slab.dat");
    const std::string body = good.substr(good.find("\r\n"));
    const auto r = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const struct {
        std::string text;
        ModelFileStatus status;
        const char* field;
        const char* found;
        int line;
    } cases[] = {
        // clang-format off
        {"fd9data" + body, Read, "", "", 0},
        {"  fd9data  " + body, Read, "", "", 0},
        {"\"fd9data\" \"old\"" + body, Read, "", "", 0},  // after the closing quote: not text
        {"fd9data\n1000,150,1,300,300,25,60,1,0,0\n0,0,0,0,0,0,0,0,0\n"
         "113.0973,25,25,0,0,2,6,16,1,.4,12,0,37,.04\n500\n125\n12\n25\n", Read, "", "", 0},
        {"\"fd9data\",1000,150,1,300,300,25,60,1,0,0,0,0,0,0,0,0,0,0,0,"
         "113.0973,25,25,0,0,2,6,16,1,.4,12,0,37,.04,500,125,12,25", Read, "", "", 0},
        {"\"fd9data\"\r\n 1000 , 150,1,300,300,25,60,1,0,0\r\n\r\n0,0,0,0,0,0,0,0,0\r"
         "113.0973,25,25,0,0,2,6,16,1,0.4,12,0,37,4E-2\r\n500\r\n125\r\n12\r\n25,\r\n",
         Read, "", "", 0},
        {r("\r\n0,0,", "\r\n0,1E-400,"), Read, "", "", 0},
        {"\"FD9data\"" + body, NotModelFile, "", "FD9data", 1},
        {"fd9data2" + body, NotModelFile, "", "fd9data2", 1},
        {"\r\n1000" + body, NotModelFile, "", "1000", 2},
        {"", NotModelFile, "", "", 0},
        {"\r\n\r\n", NotModelFile, "", "", 0},
        {good.substr(0, good.size() - 4), EndOfFile, "PosSteel", "", 7},
        {"\"fd9data\"\r\n", EndOfFile, "SectionWidth", "", 1},
        {r("1000,150,1,", "1000,150,2,"), EndOfFile, "PosSteel", "", 8},
        {r(",25,60,", ",25,,"), NotANumber, "FRRequired", "", 2},
        {r("\r\n125\r\n", "\r\n125mm\r\n"), NotANumber, "PosSteel", "125mm", 6},
        {r("\r\n125\r\n", "\r\n1E+39\r\n"), NotANumber, "PosSteel", "1E+39", 6},
        {r(",25,60,", ",25,40000,"), NotANumber, "FRRequired", "40000", 2},
        {r("1000,150,1,", "1000,150,31,"), TooManyBars, "PosSteelCount", "31", 2},
        {r("\r\n0,0,0,0,0,0", "\r\n-1,0,0,0,0,0"), TooManyBars, "NegSteelCount", "-1", 3},
        {r(",60,1,0,0", ",60,4,0,0"), BadCode, "FloorTypeCode", "4", 2},
        {r(",60,1,0,0", ",60,1,2,0"), BadCode, "SupportCondition", "2", 2},
        {r(",60,1,0,0", ",60,1,0,2"), BadCode, "load combination", "2", 2},
        {r(",0,0,2,6,", ",0,0,5,6,"), BadCode, "ConcreteType", "5", 4},
        {r(",12,0,37,", ",12,-1,37,"), BadCode, "FireTypeCode", "-1", 4},
        // clang-format on
    };
    FloorModel expected;
    ASSERT_EQ(ReadText(good, expected).status, Read);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FloorModel m;
        const ModelFileResult result = ReadText(c.text, m);
        EXPECT_EQ(std::tie(result.status, result.field, result.text, result.line),
                  std::make_tuple(c.status, std::string(c.field), std::string(c.found), c.line));
        if (c.status == Read) {
            EXPECT_TRUE(Alike(expected, m));
        }
    }
}

// A number as a dialog leaves it: at most seven significant digits, read back from its text,
// of any size and sign.
float Typed(std::mt19937& rng) {
    const double value = std::uniform_real_distribution<double>(-10, 10)(rng) *
                         std::pow(10.0, std::uniform_int_distribution<int>(-9, 10)(rng));
    const int digits = std::uniform_int_distribution<int>(1, 7)(rng);
    char text[48];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return static_cast<float>(ParseLeadingNumber(text));
}

FloorModel RandomModel(std::mt19937& rng) {
    const auto pick = [&](int low, int high) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(low, high)(rng));
    };
    FloorModel m;
    for (const ModelFileField& f : ModelFileFields()) {
        if (f.real) {
            m.*f.real = Typed(rng);
        } else if (f.whole) {
            m.*f.whole = f.kind == StoredKind::Code    ? pick(0, f.highest)
                         : f.kind == StoredKind::Count ? pick(0, MaxSteelRows)
                                                       : pick(-32768, 32767);
        }
    }
    // Rows beyond the counts stay zero, as a file read leaves them.
    for (auto [table, count] :
         {std::pair{&m.PosSteel, m.PosSteelCount}, std::pair{&m.NegSteel, m.NegSteelCount}}) {
        for (int row = 0; row < count; ++row) {
            (*table)[row] = {Typed(rng), Typed(rng), Typed(rng), Typed(rng)};
        }
    }
    return m;
}

// NAN or INF in an input is damage; in a calculated value (a stopped run of an earlier version)
// it reads as 0, never calculated, so that no report shows it.
TEST(ReliabilityModelFile, NonFiniteInputsAreRefusedAndCalculatedValuesReadAsZero) {
    FloorModel model;
    model.PosSteelCount = 1;
    model.PosSteel[0] = {10, 20, 12, 25};
    for (float bad : {INFINITY, -INFINITY, NAN}) {
        for (const ModelFileField& f : ModelFileFields()) {
            if (!f.real) {
                continue;
            }
            FloorModel damaged = model;
            damaged.*f.real = bad;
            FloorModel opened;
            const bool result = f.kind == StoredKind::Result;
            EXPECT_EQ(ReadText(Written(damaged), opened).status, result ? Read : NotANumber)
                << f.name << " = " << bad;
            damaged.*f.real = 0;
            EXPECT_TRUE(!result || Alike(damaged, opened)) << f.name << " = " << bad;
        }
        for (int column : {SteelX, SteelY, SteelDiameter, SteelCover}) {
            FloorModel damaged = model;
            damaged.PosSteel[0][column] = bad;
            FloorModel opened;
            EXPECT_EQ(ReadText(Written(damaged), opened).status,
                      column == SteelCover ? Read : NotANumber)
                << "bar column " << column << " = " << bad;
        }
    }
}

// Every model comes back field for field and bar for bar; the same file damaged opens whole or
// is refused.
TEST(ReliabilityModelFile, RandomModelsComeBackAndDamagedFilesOpenWholeOrAreRefused) {
    constexpr std::size_t npos = std::string::npos;
    std::mt19937 rng(5);
    int opened = 0;
    for (int trial = 0; trial < 1000; ++trial) {
        const FloorModel saved = RandomModel(rng);
        const auto combination = static_cast<LoadCombination>(trial % 2);
        const std::string text = Written(saved, combination);
        FloorModel back;
        const ModelFileResult result = ReadText(text, back);
        ASSERT_EQ(result.status, Read) << text;
        EXPECT_EQ(result.combination, combination);
        ASSERT_TRUE(Alike(saved, back)) << text;

        // A bar count in the second line, or any field, made out of range or no number.
        const std::size_t count = text.find(',', text.find(',', text.find('\n')) + 1);
        const std::string damaged = fixtures::Damage(
            text, rng, {"-1", "31", "32767", "0", "30", "2.5", "x"}, trial % 2 ? count : npos);
        FloorModel model;
        if (ReadText(damaged, model).status == Read) {
            ++opened;
            ASSERT_TRUE(reliability::FirstNonFinite(model).empty()) << damaged;
            ASSERT_EQ(RowsInUse(model.PosSteelCount), model.PosSteelCount) << damaged;
            ASSERT_EQ(RowsInUse(model.NegSteelCount), model.NegSteelCount) << damaged;
        }
    }
    EXPECT_GT(opened, 0);
    EXPECT_LT(opened, 1000);

    // "1E+28" reads back as the float below it, whose text is 9.999999E+27: a second save of
    // the float just above 1E+28 would differ from the first.
    FloorModel huge = RandomModel(rng);
    huge.PosSteelCount = 1;
    huge.PosSteel[0][SteelX] = std::nextafter(1e28f, 2e28f);
    const std::string first = Written(huge, LoadCombination::NZS4203);
    FloorModel back;
    ASSERT_EQ(ReadText(first, back).status, Read);
    EXPECT_EQ(Written(back, LoadCombination::NZS4203), first);
}

}  // namespace
}  // namespace fd9
