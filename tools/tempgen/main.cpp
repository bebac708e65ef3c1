#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Generator.h"
#include "Validation.h"

namespace {

const char* const Usage =
    "usage: tempgen <output directory> | --report | --compare <test curves> | --help\n"
    "  <output directory>      write the seven temperature data files into the directory\n"
    "  --report                print the validation tables of the data documentation\n"
    "  --compare <test curves> print the comparison with the furnace tests\n";

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        std::fputs(Usage, stdout);
        return 0;
    }
    const bool compare = argc == 3 && first == "--compare";
    // Anything else that looks like an option is refused, never taken for a folder.
    const bool option = !first.empty() && first[0] == '-' && first != "--report";
    if (!(compare || (argc == 2 && !option))) {
        std::fputs(Usage, stderr);
        return 2;
    }
    try {
        if (compare) {
            std::fputs(tempgen::TestComparisonReport(tempgen::ReadTestPoints(argv[2])).c_str(),
                       stdout);
            return 0;
        }
        if (first == "--report") {
            std::fputs(tempgen::ValidationReport().c_str(), stdout);
            return 0;
        }
        const auto start = std::chrono::steady_clock::now();
        const auto names = tempgen::GenerateAll(first, tempgen::Options{});
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        for (const auto& n : names) {
            std::fputs(((std::filesystem::path(first) / n).string() + "\n").c_str(), stdout);
        }
        std::fputs(("generated in " + tempgen::Fixed(took.count(), 1) + " s\n").c_str(), stdout);
    } catch (const std::exception& e) {
        std::fputs(("tempgen: " + std::string(e.what()) + "\n").c_str(), stderr);
        return 1;
    }
    return 0;
}
