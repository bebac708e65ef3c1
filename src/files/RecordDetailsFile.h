#pragma once

#include <string>
#include <string_view>

#include "model/RecordDetails.h"

namespace fd9 {

// The record details as a small text file, one "key = value" a line:
//   project = Harbour car park
//   job = 2026-114
// Keys: project, job, member, engineer, checker, organisation, revision, note. Blank lines
// and lines starting with '#' are skipped; blanks around key and value are dropped. A value is
// one line: a line break in it is written as \n, a backslash as \\.
std::string RecordDetailsText(const RecordDetails& details);

struct RecordDetailsRead {
    RecordDetails details;
    // Empty when the whole text was read; otherwise the first fault, "line 3: ...".
    std::string error;
};
// A key this format does not know is a fault, so a misspelt key never drops a field unseen.
RecordDetailsRead ReadRecordDetails(std::string_view text);

// Where the details of a model file are kept: beside it, "beam.dat" -> "beam.dat.details".
std::string RecordDetailsPathFor(const std::string& modelPath);

}  // namespace fd9
