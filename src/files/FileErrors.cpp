#include "files/FileErrors.h"

namespace fd9 {

namespace {

constexpr FileErrorBox Boxes[] = {
    {ErrDeviceUnavailable, "That device appears unavailable.", MsgButtons::YesNo,
     MsgIcon::Exclamation},
    {ErrDiskNotReady, "Insert a disk in the drive and close the door.", MsgButtons::OK,
     MsgIcon::Exclamation},
    {ErrDeviceIO, "internal disk error.", MsgButtons::YesNo, MsgIcon::Exclamation},
    {ErrDiskFull, "Disk is full. Continue?", MsgButtons::YesNoCancel, MsgIcon::Question},
    {ErrBadFileName, "That filename is illegal.", MsgButtons::OK, MsgIcon::Exclamation},
    {ErrPathNotFound, "That path doesn't exist.", MsgButtons::OK, MsgIcon::Exclamation},
    {ErrBadFileMode, "Can't open your file for that type of access.", MsgButtons::OK,
     MsgIcon::Exclamation},
    {ErrFileAlreadyOpen, "This file is already open.", MsgButtons::OK, MsgIcon::Exclamation},
    {ErrInputPastEnd,
     "This file has a non standard end of file marker, or an attempt was made to read beyond "
     "the end of file marker.",
     MsgButtons::AbortRetryIgnore, MsgIcon::Exclamation},
};

}  // namespace

std::optional<FileErrorBox> FindFileErrorBox(std::int16_t code) {
    for (const FileErrorBox& box : Boxes) {
        if (box.code == code) {
            return box;
        }
    }
    return std::nullopt;
}

FileErrorAnswer FileErrorAnswerFor(MsgAnswer pressed) {
    switch (pressed) {
        case MsgAnswer::OK:
        case MsgAnswer::Retry:
            return FileErrorAnswer::Retry;
        case MsgAnswer::Ignore:
            return FileErrorAnswer::Skip;
        case MsgAnswer::Cancel:
        case MsgAnswer::Abort:
            return FileErrorAnswer::GiveUp;
        case MsgAnswer::Yes:
        case MsgAnswer::No:
            break;
    }
    return FileErrorAnswer::GiveUpQuietly;
}

}  // namespace fd9
