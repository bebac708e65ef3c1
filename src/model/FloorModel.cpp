#include "model/FloorModel.h"

namespace fd9 {

std::int16_t FloorTypeToCode(FloorType type) {
    switch (type) {
        case FloorType::Beam:
            return 0;
        case FloorType::Slab:
            return 1;
        case FloorType::TeeBeam:
            return 2;
        case FloorType::DoubleTee:
            return 3;
    }
    return 1;
}

FloorType FloorTypeFromCode(std::int16_t code) {
    switch (code) {
        case 0:
            return FloorType::Beam;
        case 2:
            return FloorType::TeeBeam;
        case 3:
            return FloorType::DoubleTee;
        default:
            return FloorType::Slab;
    }
}

}  // namespace fd9
