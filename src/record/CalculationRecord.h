#pragma once

#include <QString>
#include <string>

#include "model/FloorModel.h"
#include "model/RecordDetails.h"

namespace fd9 {

enum class RecordPageSize { A4, Letter };

struct RecordInput {
    // Calculated on this copy; the caller's model is never written.
    FloorModel model;
    std::string dataDir;    // where the temperature data files are
    std::string modelName;  // the model file's name as shown in the record; may be empty
    std::string date;       // "7-December-2026", as the results report writes it
    RecordDetails details;
    RecordPageSize pageSize = RecordPageSize::A4;
};

// Runs CALCULATE and the explorer on the copy and writes the calculation record as a PDF to
// path. The file is replaced only once the whole record is written, so a failed write never
// leaves a truncated PDF. Empty when written; otherwise why not, for the user. A run that
// stops still gives a record, which says why; calculationCompleted, when given, tells which.
// Needs a QApplication.
std::string WriteCalculationRecord(const RecordInput& input, const QString& path,
                                   bool* calculationCompleted = nullptr);

}  // namespace fd9
