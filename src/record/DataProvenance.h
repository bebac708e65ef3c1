#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fd9 {

// One temperature data file as read from disk. Units: bytes.
struct DataFileInfo {
    std::string name;
    std::uintmax_t size = 0;
    std::string sha256;  // lower-case hex
};

// Empty when the file cannot be read.
std::optional<DataFileInfo> DescribeDataFile(const std::string& path);

// "data 3f2a9c1b07de": the first 12 hex digits of the SHA-256 over the seven files' names and
// contents, so any regeneration shows. Empty when one of the seven is missing from dataDir.
std::string DataSetIdentifier(const std::string& dataDir);

}  // namespace fd9
