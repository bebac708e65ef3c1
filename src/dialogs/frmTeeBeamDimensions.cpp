#include "dialogs/frmTeeBeamDimensions.h"

namespace fd9 {

namespace {

// In tab order, matching the Field enumeration; each field marks its own dimension.
constexpr RibbedSectionFields::FieldRules Rules = {{
    {"txtTeeBeamDepth", "Overall Depth (mm)", "480", &FloorModel::OverallDepth, "Depth is invalid!",
     "Depth is invalid!", std::nullopt, TeeBeamDimension::Depth},
    {"txtTeeBeamRibDepth", "Rib Depth (mm)", "350", &FloorModel::RibDepth, "Rib Depth is invalid!",
     "Depth is invalid!", std::nullopt, TeeBeamDimension::RibDepth},
    {"txtTeeBeamWidth", "Width (mm)", "2400", &FloorModel::OverallWidth, "Width is invalid!",
     "Width is invalid!", std::nullopt, TeeBeamDimension::Width},
    {"txtTeeBeamRibWidthBot", "Rib Width (bot) (mm)", "125", &FloorModel::RibWidthBot,
     "Width is invalid!", "Width is invalid!", std::nullopt, TeeBeamDimension::RibWidthBot},
    {"txtTeeBeamRibWidthTop", "Rib Width (top) (mm)", "175", &FloorModel::RibWidthTop,
     "Width is invalid!", "Width is invalid!", std::nullopt, TeeBeamDimension::RibWidthTop},
}};

}  // namespace

static_assert(frmTeeBeamDimensions::FieldCount == RibbedSectionFields::FieldCount);

frmTeeBeamDimensions::frmTeeBeamDimensions(DialogHost& host)
    : RibbedSectionFields(host, Rules, FloorType::TeeBeam) {
    setObjectName(QStringLiteral("frmTeeBeamDimensions"));
    setWindowTitle(QStringLiteral("Tee Beam Dimensions"));
    txtTeeBeamDepth = fields_[Depth];
    txtTeeBeamRibDepth = fields_[RibDepth];
    txtTeeBeamWidth = fields_[Width];
    txtTeeBeamRibWidthBot = fields_[RibWidthBot];
    txtTeeBeamRibWidthTop = fields_[RibWidthTop];
}

}  // namespace fd9
