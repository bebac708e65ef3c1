#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>

#include "files/ModelFile.h"
#include "model/ResetModel.h"

namespace fd9 {
namespace {

std::string Golden(const char* name) {
    std::ifstream in(std::string(FD9_TEST_SOURCE_DIR) + "/files/golden/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Written(const FloorModel& model, LoadCombination combination) {
    std::ostringstream out;
    WriteModelFile(out, model, combination);
    return out.str();
}

ModelFileResult Read(const std::string& text, FloorModel& model) {
    std::istringstream in(text);
    return ReadModelFile(in, model);
}

// The simply supported slab of the file layout's worked example.
FloorModel ExampleSlab() {
    FloorModel m;
    m.Selected.FloorType = FloorType::Slab;
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
    return m;
}

TEST(ModelFile, ExampleSlabIsWrittenByteForByte) {
    EXPECT_EQ(Written(ExampleSlab(), LoadCombination::NZS4203), Golden("example_slab.dat"));
}

TEST(ModelFile, RefreshTakesTheSelectionsAndTheOccupancyFactor) {
    FloorModel m;
    m.Selected.FloorType = FloorType::DoubleTee;
    m.Selected.DesignFire = DesignFire::NonStandard;
    m.Selected.SupportCondition = SupportCondition::Continuous;
    m.LiveLoadFactor = 0.25f;
    RefreshStoredCodes(m, LoadCombination::UserSpecified, Occupancy::Roofs);
    EXPECT_EQ(m.FloorTypeCode, 3);
    EXPECT_EQ(m.FireTypeCode, 1);
    EXPECT_EQ(m.SupportCondition, 1);
    EXPECT_EQ(m.LiveLoadFactor, 0.25f);  // user-specified factors are the user's

    const struct {
        Occupancy occupancy;
        float factor;
    } cases[] = {
        {Occupancy::Roofs, 0}, {Occupancy::DomesticFloors, 0.4f}, {Occupancy::StorageFloors, 0.6f}};
    for (const auto& c : cases) {
        RefreshStoredCodes(m, LoadCombination::NZS4203, c.occupancy);
        EXPECT_EQ(m.LiveLoadFactor, c.factor);
    }
    m.Selected.FloorType = FloorType::TeeBeam;
    RefreshStoredCodes(m, LoadCombination::NZS4203, Occupancy::StorageFloors);
    EXPECT_EQ(m.FloorTypeCode, 2);
    EXPECT_NE(Written(m, LoadCombination::NZS4203).find(",.6,"), std::string::npos);
}

// Exact equality: a typed value of seven digits must come back as the same float.
void ExpectSameModelFields(const FloorModel& a, const FloorModel& b) {
    for (const ModelFileField& f : ModelFileFields()) {
        if (f.real) {
            EXPECT_EQ(a.*f.real, b.*f.real) << f.name;
        } else if (f.whole) {
            EXPECT_EQ(a.*f.whole, b.*f.whole) << f.name;
        }
    }
    for (int row = 0; row < a.PosSteelCount; ++row) {
        EXPECT_EQ(a.PosSteel[row], b.PosSteel[row]) << "positive row " << row;
    }
    for (int row = 0; row < a.NegSteelCount; ++row) {
        EXPECT_EQ(a.NegSteel[row], b.NegSteel[row]) << "negative row " << row;
    }
}

TEST(ModelFile, EveryFloorTypeRoundTrips) {
    for (FloorType type :
         {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee, FloorType::TeeBeam}) {
        FloorModel m;
        m.Selected.FloorType = type;
        m.Selected.DesignFire =
            type == FloorType::Beam ? DesignFire::NonStandard : DesignFire::Standard;
        m.Selected.SupportCondition = type == FloorType::Slab ? SupportCondition::SimplySupported
                                                              : SupportCondition::Continuous;
        ResetModelData(m);
        // Seven digits, as the file keeps them: typed values come back exactly.
        m.SectionWidth = 123.4568f;
        m.SectionDepth = 1e-7f;  // exponent form
        m.RibWidthTop = -0.125f;
        m.PosSteelCount = MaxSteelRows;
        m.NegSteelCount = 2;
        for (int row = 0; row < MaxSteelRows; ++row) {
            m.PosSteel[row] = {static_cast<float>(row * 10.1), 400.3333f, 12.7f, 0.3333333f};
        }
        m.NegSteel[0] = {50, 30, 16, 30};
        m.NegSteel[1] = {3.4e10f, 0.001f, 20, 0};
        m.PosSteelType = 1;
        m.NegSteelType = 0;
        m.ConcreteType = 4;
        m.DeadLoad = 6.1f;
        m.LiveLoad = 2.25f;
        m.DeadLoadFactor = 1.1f;
        m.Span = 12.5f;
        m.FRRequired = 240;
        m.FireLoad = 111;
        m.OpeningFactor = 0.15f;
        m.PosSteelArea = 3801.327f;
        m.NegEffectiveCover = 31.23457f;
        RefreshStoredCodes(m, LoadCombination::UserSpecified, Occupancy::Roofs);
        m.LiveLoadFactor = 0.35f;

        FloorModel back;
        const ModelFileResult result = Read(Written(m, LoadCombination::UserSpecified), back);
        ASSERT_EQ(result.status, ModelFileStatus::Read) << result.field;
        EXPECT_EQ(result.combination, LoadCombination::UserSpecified);
        ExpectSameModelFields(m, back);
        SelectStoredCodes(back);
        EXPECT_EQ(back.Selected.FloorType, type);
        EXPECT_EQ(back.Selected.DesignFire, m.Selected.DesignFire);
        EXPECT_EQ(back.Selected.SupportCondition, m.Selected.SupportCondition);
        EXPECT_EQ(back.Selected.PosSteelType, SteelType::PrestressingStrand);
        EXPECT_EQ(back.Selected.ConcreteType, ConcreteType::Pumice);
    }
}

TEST(ModelFile, TheTagIsTheFirstFieldUpToTheLineEnd) {
    std::string body = Golden("example_slab.dat");
    body.erase(0, body.find("\r\n"));
    const struct {
        const char* first;
        ModelFileStatus status;
    } cases[] = {
        {"\"fd9data\"", ModelFileStatus::Read},         {"fd9data", ModelFileStatus::Read},
        {"  fd9data  ", ModelFileStatus::Read},         {"FD9DATA", ModelFileStatus::NotModelFile},
        {"\"FD9data\"", ModelFileStatus::NotModelFile}, {"fd9data2", ModelFileStatus::NotModelFile},
        {"1000", ModelFileStatus::NotModelFile},
    };
    for (const auto& c : cases) {
        FloorModel m;
        EXPECT_EQ(Read(c.first + body, m).status, c.status) << c.first;
    }
    FloorModel m;
    EXPECT_EQ(Read("", m).status, ModelFileStatus::NotModelFile);
    EXPECT_EQ(Read("\r\n\r\n", m).status, ModelFileStatus::NotModelFile);
}

TEST(ModelFile, LineStructurePlaysNoPart) {
    FloorModel expected;
    ASSERT_EQ(Read(Golden("example_slab.dat"), expected).status, ModelFileStatus::Read);
    const char* variants[] = {
        "fd9data\n1000,150,1,300,300,25,60,1,0,0\n0,0,0,0,0,0,0,0,0\n"
        "113.0973,25,25,0,0,2,6,16,1,.4,12,0,37,.04\n500\n125\n12\n25\n",
        "\"fd9data\",1000,150,1,300,300,25,60,1,0,0,0,0,0,0,0,0,0,0,0,"
        "113.0973,25,25,0,0,2,6,16,1,.4,12,0,37,.04,500,125,12,25",
        "\"fd9data\"\r\n 1000 , 150,1,300,300,25,60,1,0,0\r\n\r\n0,0,0,0,0,0,0,0,0\r"
        "113.0973,25,25,0,0,2,6,16,1,0.4,12,0,37,4E-2\r\n500\r\n125\r\n12\r\n25,\r\n",
    };
    for (const char* text : variants) {
        FloorModel m;
        ASSERT_EQ(Read(text, m).status, ModelFileStatus::Read) << text;
        ExpectSameModelFields(expected, m);
    }
}

TEST(ModelFile, EveryDefectIsFoundWithItsPlace) {
    const std::string good = Golden("example_slab.dat");
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        const char* name;
        std::string text;
        ModelFileStatus status;
        const char* field;
        int line;
    } cases[] = {
        {"ends in the bars", good.substr(0, good.size() - 4), ModelFileStatus::EndOfFile,
         "PosSteel", 7},
        {"ends after the tag", "\"fd9data\"\r\n", ModelFileStatus::EndOfFile, "SectionWidth", 1},
        {"count larger than the bars", replaced("1000,150,1,", "1000,150,2,"),
         ModelFileStatus::EndOfFile, "PosSteel", 8},
        {"word for a number", replaced(",25,60,", ",25,sixty,"), ModelFileStatus::NotANumber,
         "FRRequired", 2},
        {"empty field", replaced(",25,60,", ",25,,"), ModelFileStatus::NotANumber, "FRRequired", 2},
        {"number and junk", replaced("\r\n125\r\n", "\r\n125mm\r\n"), ModelFileStatus::NotANumber,
         "PosSteel", 6},
        {"float too large", replaced("\r\n125\r\n", "\r\n1E+39\r\n"), ModelFileStatus::NotANumber,
         "PosSteel", 6},
        {"integer too large", replaced(",25,60,", ",25,40000,"), ModelFileStatus::NotANumber,
         "FRRequired", 2},
        {"31 positive bars", replaced("1000,150,1,", "1000,150,31,"), ModelFileStatus::TooManyBars,
         "PosSteelCount", 2},
        {"negative bar count", replaced("\r\n0,0,0,0,0,0", "\r\n-1,0,0,0,0,0"),
         ModelFileStatus::TooManyBars, "NegSteelCount", 3},
        {"floor type 4", replaced(",60,1,0,0", ",60,4,0,0"), ModelFileStatus::BadCode,
         "FloorTypeCode", 2},
        {"support 2", replaced(",60,1,0,0", ",60,1,2,0"), ModelFileStatus::BadCode,
         "SupportCondition", 2},
        {"load combination 2", replaced(",60,1,0,0", ",60,1,0,2"), ModelFileStatus::BadCode,
         "load combination", 2},
        {"concrete 5", replaced(",0,0,2,6,", ",0,0,5,6,"), ModelFileStatus::BadCode, "ConcreteType",
         4},
        {"fire type -1", replaced(",12,0,37,", ",12,-1,37,"), ModelFileStatus::BadCode,
         "FireTypeCode", 4},
    };
    for (const auto& c : cases) {
        FloorModel m;
        const ModelFileResult result = Read(c.text, m);
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_EQ(result.field, c.field) << c.name;
        EXPECT_EQ(result.line, c.line) << c.name;
    }
}

TEST(ModelFile, AnyNonZeroSteelCodeIsAStrand) {
    std::string text = Golden("example_slab.dat");
    text.replace(text.find(",25,25,0,0,"), 11, ",25,25,7,0,");
    FloorModel m;
    ASSERT_EQ(Read(text, m).status, ModelFileStatus::Read);
    SelectStoredCodes(m);
    EXPECT_EQ(m.PosSteelType, 7);
    EXPECT_EQ(m.Selected.PosSteelType, SteelType::PrestressingStrand);
}

}  // namespace
}  // namespace fd9

namespace fd9 {
namespace {

// A calculation that ran into a division by zero leaves such values; saving must not make the
// model unopenable.
TEST(ModelFile, NonFiniteGroupPropertiesComeBack) {
    FloorModel m;
    m.PosCentroid = std::numeric_limits<float>::quiet_NaN();
    m.NegSteelArea = -std::numeric_limits<float>::infinity();
    std::ostringstream out;
    WriteModelFile(out, m, LoadCombination::NZS4203);
    FloorModel back;
    std::istringstream in(out.str());
    ASSERT_EQ(ReadModelFile(in, back).status, ModelFileStatus::Read) << out.str();
    EXPECT_TRUE(std::isnan(back.PosCentroid));
    EXPECT_EQ(back.NegSteelArea, -std::numeric_limits<float>::infinity());
}

}  // namespace
}  // namespace fd9
