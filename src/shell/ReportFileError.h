#pragma once

#include <cstdint>

namespace fd9 {

class Platform;

// Shows the disk-error box of the code and returns what to do next: 0 try again, 1 skip,
// 2 or 3 give up. A code without a box gives 3 and shows nothing.
std::int16_t ReportFileError(Platform& platform, std::int16_t code);

}  // namespace fd9
