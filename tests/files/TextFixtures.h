#pragma once

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace fd9::fixtures {

inline std::string Golden(const char* name) {
    std::ifstream in(std::string(FD9_TEST_SOURCE_DIR) + "/files/golden/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A copy of text cut short, with bytes flipped, a line lost, or the field after a comma (the
// one at `comma`, else one at random) replaced by one of `fields`.
inline std::string Damage(std::string text, std::mt19937& rng,
                          const std::vector<std::string>& fields,
                          std::size_t comma = std::string::npos) {
    auto at = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(rng); };
    switch (at(3)) {
        case 0:
            text.resize(at(text.size()));
            break;
        case 1:
            for (int i = 0, n = 1 + int(at(3)); i < n && !text.empty(); ++i) {
                text[at(text.size() - 1)] = static_cast<char>(at(255));
            }
            break;
        case 2: {
            const std::size_t start = text.rfind('\n', at(text.size() - 1));
            const std::size_t from = start == std::string::npos ? 0 : start;
            text.erase(from, text.find('\n', from + 1) - from);
            break;
        }
        default:
            comma = comma == std::string::npos ? text.find(',', at(text.size() - 1)) : comma;
            if (comma != std::string::npos) {
                const std::size_t end = text.find_first_of(",\r\n", comma + 1);
                text.replace(comma + 1, end == std::string::npos ? end : end - comma - 1,
                             fields[at(fields.size() - 1)]);
            }
    }
    return text;
}

}  // namespace fd9::fixtures
