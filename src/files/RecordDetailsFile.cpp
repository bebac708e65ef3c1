#include "files/RecordDetailsFile.h"

#include <array>
#include <utility>

namespace fd9 {

namespace {

using Field = std::string RecordDetails::*;
constexpr std::array<std::pair<std::string_view, Field>, 8> Fields = {{
    {"project", &RecordDetails::project},
    {"job", &RecordDetails::job},
    {"member", &RecordDetails::member},
    {"engineer", &RecordDetails::engineer},
    {"checker", &RecordDetails::checker},
    {"organisation", &RecordDetails::organisation},
    {"revision", &RecordDetails::revision},
    {"note", &RecordDetails::note},
}};

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Escape(const std::string& value) {
    std::string escaped;
    for (char c : value) {
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c != '\r') {
            escaped += c;
        }
    }
    return escaped;
}

std::string Unescape(std::string_view value) {
    std::string plain;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() &&
            (value[i + 1] == 'n' || value[i + 1] == '\\')) {
            plain += value[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            plain += value[i];
        }
    }
    return plain;
}

}  // namespace

std::string RecordDetailsText(const RecordDetails& details) {
    std::string text = "# FD9 calculation record details\n";
    for (const auto& [key, field] : Fields) {
        text += std::string(key) + " = " + Escape(details.*field) + "\n";
    }
    return text;
}

RecordDetailsRead ReadRecordDetails(std::string_view text) {
    RecordDetailsRead read;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto equals = line.find('=');
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (equals == std::string_view::npos) {
            read.error = where + "\"key = value\" expected";
            return read;
        }
        const std::string_view key = Trim(line.substr(0, equals));
        Field field = nullptr;
        for (const auto& [name, member] : Fields) {
            if (name == key) {
                field = member;
            }
        }
        if (field == nullptr) {
            read.error = where + "unknown key \"" + std::string(key) + "\"";
            return read;
        }
        read.details.*field = Unescape(Trim(line.substr(equals + 1)));
    }
    return read;
}

std::string RecordDetailsPathFor(const std::string& modelPath) {
    return modelPath + ".details";
}

}  // namespace fd9
