#include "dialogs/frmDoubleTeeDimensions.h"

namespace fd9 {

namespace {

using Limit = RibbedSectionFields::Limit;

// In tab order, matching the Field enumeration. Each rib stays within its half of the width.
constexpr RibbedSectionFields::FieldRules Rules = {{
    {"txtDoubleTeeOverallDepth", "Overall Depth (mm)", "480", &FloorModel::OverallDepth,
     "Beam Depth is invalid!", "Beam Depth is invalid!", std::nullopt, std::nullopt},
    {"txtDoubleTeeRibDepth", "Rib Depth (mm)", "350", &FloorModel::RibDepth,
     "Rib Depth is invalid!", "Rib Depth is invalid!",
     Limit{frmDoubleTeeDimensions::OverallDepth, 1.0}, std::nullopt},
    {"txtDoubleTeeOverallWidth", "Overall Width (mm)", "2400", &FloorModel::OverallWidth,
     "Width is invalid!", "Beam Width is invalid!", std::nullopt, std::nullopt},
    {"txtDoubleTeeRibWidthBot", "Rib Width (bot)(mm)", "125", &FloorModel::RibWidthBot,
     "Rib Width is invalid!", "Rib Width is invalid!",
     Limit{frmDoubleTeeDimensions::OverallWidth, 0.5}, std::nullopt},
    {"txtDoubleTeeRibWidthTop", "Rib Width (top)(mm)", "175", &FloorModel::RibWidthTop,
     "Rib Width is invalid!", "Rib Width is invalid!",
     Limit{frmDoubleTeeDimensions::OverallWidth, 0.5}, std::nullopt},
}};

}  // namespace

static_assert(frmDoubleTeeDimensions::FieldCount == RibbedSectionFields::FieldCount);

frmDoubleTeeDimensions::frmDoubleTeeDimensions(DialogHost& host)
    : RibbedSectionFields(host, Rules, FloorType::DoubleTee) {
    setObjectName(QStringLiteral("frmDoubleTeeDimensions"));
    setWindowTitle(QStringLiteral("Double Tee Dimensions"));
    txtDoubleTeeOverallDepth = fields_[OverallDepth];
    txtDoubleTeeRibDepth = fields_[RibDepth];
    txtDoubleTeeOverallWidth = fields_[OverallWidth];
    txtDoubleTeeRibWidthBot = fields_[RibWidthBot];
    txtDoubleTeeRibWidthTop = fields_[RibWidthTop];
}

}  // namespace fd9
