#pragma once

#include <functional>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "record/CalculationRecord.h"

namespace fd9::cli {

struct RecordRequest {
    std::string file;         // --record: one PDF
    std::string dir;          // --record-dir: one PDF a model, named after it
    std::string detailsFile;  // --details; otherwise each model's own MODEL.dat.details
    RecordPageSize pageSize = RecordPageSize::A4;
};

// Writes the calculation record of each model; Qt starts offscreen for it. Messages go to
// standard error. The exit status as the reports give it: 0 every record written and every
// calculation completed, 1 a calculation stopped (its record is still written), 2 a file could
// not be read or a record not written.
// readModel gives a model file's whole text, or why it cannot be read.
using ModelReader = std::function<std::string(const std::string& name, std::string& text)>;
int WriteRecords(const RecordRequest& request, const std::vector<std::string>& models,
                 const Options& options, const ModelReader& readModel, int argc, char* argv[]);

}  // namespace fd9::cli
