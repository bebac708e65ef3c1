// Any text a user can type into a field: the reader never crashes, never reads past the text,
// never gives NaN and never a negative zero, and ignores blanks wherever they stand.
#include "model/ParseLeadingNumber.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size heap copy, so ASan sees any read beyond the end of the text.
    char* copy = static_cast<char*>(std::malloc(size ? size : 1));
    for (std::size_t i = 0; i < size; ++i)
        copy[i] = static_cast<char>(data[i]);
    const std::string_view text(copy, size);
    const double value = fd9::ParseLeadingNumber(text);
    if (std::isnan(value))
        std::abort();
    if (value == 0 && std::signbit(value))
        std::abort();

    std::string squeezed;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            squeezed.push_back(c);
    }
    const double again = fd9::ParseLeadingNumber(squeezed);
    if (!(again == value))
        std::abort();
    std::free(copy);
    return 0;
}
