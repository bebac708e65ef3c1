#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "calc/Calculate.h"

using namespace fd9;

namespace {

bool HasShippedData() {
    for (const char* name : {"denbeam.con", "realbm.con", "denslab.con", "aqslab.con",
                             "dacslab.con", "pumslab.con", "realslab.con"}) {
        if (!std::filesystem::exists(std::filesystem::path(FD9_DATA_DIR) / name)) {
            return false;
        }
    }
    return true;
}

void AddBar(SteelTable& table, std::int16_t& count, float x, float y, float diameter) {
    table[count] = {x, y, diameter, 0};
    ++count;
}

// The shipped tables must carry every member through a whole run at the common fire cases,
// with finite numbers in every label and a verdict in the message area.
TEST(CalculateShippedData, EveryFloorTypeGetsAVerdict) {
    if (!HasShippedData()) {
        GTEST_SKIP() << "the temperature data files are not in " << FD9_DATA_DIR;
    }
    for (FloorType floor :
         {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee, FloorType::TeeBeam}) {
        for (DesignFire fire : {DesignFire::Standard, DesignFire::NonStandard}) {
            for (ConcreteType concrete :
                 {ConcreteType::NormalWeight, ConcreteType::LightWeight,
                  ConcreteType::AlluvialQuartz, ConcreteType::Dacite, ConcreteType::Pumice}) {
                FloorModel model;
                model.Selected.FloorType = floor;
                model.Selected.DesignFire = fire;
                model.Selected.ConcreteType = concrete;
                model.FRRequired = 60;
                model.FireLoad = 37;
                model.OpeningFactor = 0.04f;
                model.ConcreteStrength = 30;
                model.PosSteelStrength = 500;
                model.DeadLoad = 6;
                model.LiveLoad = 16;
                model.DeadLoadFactor = 1;
                model.LiveLoadFactor = 0.4f;
                model.Span = 6;
                model.OverallDepth = 480;
                model.OverallWidth = 2400;
                model.RibDepth = 350;
                model.RibWidthBot = 125;
                model.RibWidthTop = 175;
                if (floor == FloorType::Beam) {
                    model.SectionWidth = 300;
                    model.SectionDepth = 500;
                    AddBar(model.PosSteel, model.PosSteelCount, 150, 450, 20);
                } else if (floor == FloorType::Slab) {
                    model.SectionWidth = 1000;
                    model.SectionDepth = 150;
                    AddBar(model.PosSteel, model.PosSteelCount, 500, 120, 12);
                } else {
                    AddBar(model.PosSteel, model.PosSteelCount, 1200, 430, 20);
                }
                TempDataContext context{FD9_DATA_DIR, {}};
                const CalculationOutcome outcome = Calculate(model, context);
                SCOPED_TRACE(std::to_string(static_cast<int>(floor)) + "/" +
                             std::to_string(static_cast<int>(fire)) + "/" +
                             std::to_string(static_cast<int>(concrete)));
                ASSERT_TRUE(outcome.completed) << outcome.stopMessage;
                EXPECT_NE(outcome.messages->find("STABILITY"), std::string::npos);
                for (float value : {model.PosSteelTemp, model.PosDamagedDepth, model.PosConcTemp,
                                    model.PosMomentCapacity, model.AppliedMoment}) {
                    EXPECT_TRUE(std::isfinite(value));
                }
                EXPECT_GT(model.PosSteelTemp, 20);
                EXPECT_GT(model.PosDamagedDepth, 0);
            }
        }
    }
}

}  // namespace
