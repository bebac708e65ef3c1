#include "record/CalculationRecord.h"

namespace fd9 {

std::string WriteCalculationRecord(const RecordInput&, const QString&) {
    return "The calculation record cannot be written yet.";
}

}  // namespace fd9
