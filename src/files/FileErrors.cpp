#include "files/FileErrors.h"

namespace fd9 {

namespace {

constexpr FileErrorBox Boxes[] = {
    {ErrDeviceUnavailable, "That device appears unavailable.", FileErrorButtons::YesNo,
     FileErrorIcon::Exclamation},
    {ErrDiskNotReady, "Insert a disk in the drive and close the door.", FileErrorButtons::OK,
     FileErrorIcon::Exclamation},
    {ErrDeviceIO, "internal disk error.", FileErrorButtons::YesNo, FileErrorIcon::Exclamation},
    {ErrDiskFull, "Disk is full. Continue?", FileErrorButtons::YesNoCancel,
     FileErrorIcon::Question},
    {ErrBadFileName, "That filename is illegal.", FileErrorButtons::OK, FileErrorIcon::Exclamation},
    {ErrPathNotFound, "That path doesn't exist.", FileErrorButtons::OK, FileErrorIcon::Exclamation},
    {ErrBadFileMode, "Can't open your file for that type of access.", FileErrorButtons::OK,
     FileErrorIcon::Exclamation},
    {ErrFileAlreadyOpen, "This file is already open.", FileErrorButtons::OK,
     FileErrorIcon::Exclamation},
    {ErrInputPastEnd,
     "This file has a non standard end of file marker, or an attempt was made to read beyond "
     "the end of file marker.",
     FileErrorButtons::AbortRetryIgnore, FileErrorIcon::Exclamation},
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

FileErrorAnswer FileErrorAnswerFor(FileErrorButton pressed) {
    switch (pressed) {
        case FileErrorButton::OK:
        case FileErrorButton::Retry:
            return FileErrorAnswer::Retry;
        case FileErrorButton::Ignore:
            return FileErrorAnswer::Skip;
        case FileErrorButton::Cancel:
        case FileErrorButton::Abort:
            return FileErrorAnswer::GiveUp;
        case FileErrorButton::Yes:
        case FileErrorButton::No:
            break;
    }
    return FileErrorAnswer::GiveUpQuietly;
}

}  // namespace fd9
