#pragma once

#include <cstdint>
#include <optional>

#include "model/MessageBox.h"

namespace fd9 {

// What the code that failed does next.
enum class FileErrorAnswer : std::int16_t { Retry = 0, Skip = 1, GiveUp = 2, GiveUpQuietly = 3 };

inline constexpr const char* FileErrorTitle = "Disk error";

// Error codes the boxes know.
inline constexpr std::int16_t ErrBadFileMode = 54;
inline constexpr std::int16_t ErrFileAlreadyOpen = 55;
inline constexpr std::int16_t ErrDeviceIO = 57;
inline constexpr std::int16_t ErrDiskFull = 61;
inline constexpr std::int16_t ErrInputPastEnd = 62;
inline constexpr std::int16_t ErrBadFileName = 64;
inline constexpr std::int16_t ErrDeviceUnavailable = 68;
inline constexpr std::int16_t ErrDiskNotReady = 71;
inline constexpr std::int16_t ErrPathNotFound = 76;

struct FileErrorBox {
    std::int16_t code;
    const char* text;
    MsgButtons buttons;
    MsgIcon icon;
};

// The box for an error code; empty for a code without one, which gives up without a word.
std::optional<FileErrorBox> FindFileErrorBox(std::int16_t code);

// OK and Retry try again, Ignore skips, Cancel and Abort give up, Yes and No give up too.
FileErrorAnswer FileErrorAnswerFor(MsgAnswer pressed);

}  // namespace fd9
