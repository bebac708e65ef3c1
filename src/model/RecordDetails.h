#pragma once

#include <string>

namespace fd9 {

// Who and what a calculation record is for. Every field may stay blank: the record then prints
// an empty box to be filled in by hand.
struct RecordDetails {
    std::string project;
    std::string job;
    std::string member;  // member or location
    std::string engineer;
    std::string checker;
    std::string organisation;
    std::string revision;
    std::string note;  // may hold line breaks

    bool operator==(const RecordDetails&) const = default;
};

}  // namespace fd9
