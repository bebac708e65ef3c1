#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>

#include <string>

#include "Generator.h"
#include "Validation.h"

// tempgen <directory>: writes the seven temperature data files into the directory.
// tempgen --report: prints the validation tables of the data documentation.
// tempgen --compare <test curves>: prints the comparison with the furnace tests.
int main(int argc, char** argv) {
    const bool compare = argc == 3 && std::string(argv[1]) == "--compare";
    if ((argc != 2 && !compare) || (argc == 2 && std::string(argv[1]) == "--compare")) {
        std::fprintf(stderr,
                     "usage: tempgen <output directory> | --report | --compare <test curves>\n");
        return 2;
    }
    try {
        if (compare) {
            std::fputs(tempgen::TestComparisonReport(tempgen::ReadTestPoints(argv[2])).c_str(),
                       stdout);
            return 0;
        }
        if (std::string(argv[1]) == "--report") {
            std::fputs(tempgen::ValidationReport().c_str(), stdout);
            return 0;
        }
        const auto start = std::chrono::steady_clock::now();
        const auto names = tempgen::GenerateAll(argv[1], tempgen::Options{});
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        for (const auto& n : names) {
            std::printf("%s\n", (std::filesystem::path(argv[1]) / n).string().c_str());
        }
        std::printf("generated in %.1f s\n", took.count());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tempgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
