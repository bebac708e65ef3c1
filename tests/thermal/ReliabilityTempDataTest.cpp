// Damaged temperature data files: a search answers with a finite number or stops with
// TempDataError, and no file stays open either way.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "../reliability/OpenFiles.h"
#include "thermal/TempDataFiles.h"

namespace fd9 {
namespace {

std::string ScratchPath(const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "fd9_reliability_tempdata";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

std::string Write(const std::string& name, const std::string& text) {
    const std::string path = ScratchPath(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
}

// Records that interpolate to beyond any float are a damaged file, not an answer.
TEST(ReliabilityTempData, InterpolationBeyondFloatRangeStopsTheSearch) {
    const std::string temp = Write("overflow_temp.con", "60,300,1,3e38,0\n60,300,2,-3e38,0\n");
    FloorModel model;
    EXPECT_THROW(FindTempAtDepth(model, temp, RecordLayout::Standard, 60, 300, 0, 0,
                                 PreviousRecordRule::Both),
                 TempDataError);
    const std::string depth = Write("overflow_depth.con", "60,300,1,600,0\n60,300,3e38,700,0\n");
    FloorModel fresh;
    EXPECT_THROW(FindDepthAt750(fresh, depth, RecordLayout::Standard, 60, 300, 0), TempDataError);
}

const char* const GoodFile =
    "60, 300, 0, 900, 0\n"
    "60, 300, 20, 500, 0\n"
    "60, 300, 40, 300, 0\n"
    "60, 150, 0, 950, 0\n"
    "60, 150, 20, 600, 0\n"
    "120, 300, 0, 1000, 0\n"
    "120, 300, 30, 760, 0\n"
    "120, 300, 60, 420, 0\n";

std::string Damage(std::string text, std::mt19937& rng) {
    const int kind = std::uniform_int_distribution<int>(0, 3)(rng);
    auto at = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(rng); };
    switch (kind) {
        case 0:  // truncated
            text.resize(at(text.size()));
            break;
        case 1:  // bytes flipped
            for (int i = 0, n = 1 + int(at(4)); i < n && !text.empty(); ++i) {
                text[at(text.size() - 1)] = static_cast<char>(at(255));
            }
            break;
        case 2: {  // a line removed
            std::vector<std::string> lines;
            std::istringstream in(text);
            for (std::string line; std::getline(in, line);)
                lines.push_back(line);
            lines.erase(lines.begin() + long(at(lines.size() - 1)));
            text.clear();
            for (const std::string& line : lines)
                text += line + "\n";
            break;
        }
        default: {  // a number replaced by an extreme one
            static const char* const extremes[] = {"3e38", "-3e38", "1e-38", "32767", "-32768",
                                                   "0",    "1e39",  "nan",   "inf",   ""};
            const std::size_t comma = text.find(',', at(text.size() - 1));
            if (comma != std::string::npos) {
                text.insert(comma + 1, extremes[at(std::size(extremes) - 1)]);
            }
            break;
        }
    }
    return text;
}

TEST(ReliabilityTempData, DamagedFilesAnswerFiniteOrReportAndLeaveNoFileOpen) {
    std::mt19937 rng(750);
    const int openBefore = reliability::OpenFileCount();
    int answered = 0;
    int reported = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const std::string text = Damage(Damage(GoodFile, rng), rng);
        const std::string path = Write("damaged.con", text);
        const float target = std::uniform_real_distribution<float>(-5, 70)(rng);
        const std::int16_t key = trial % 2 ? 60 : 120;
        FloorModel model;
        for (int search = 0; search < 2; ++search) {
            try {
                const std::optional<float> value =
                    search == 0 ? FindTempAtDepth(model, path, RecordLayout::Standard, key, 300, 0,
                                                  target, PreviousRecordRule::Both)
                                : FindDepthAt750(model, path, RecordLayout::Standard, key, 300, 0);
                ASSERT_TRUE(!value || std::isfinite(*value)) << text;
                ++answered;
            } catch (const TempDataError& error) {
                EXPECT_NE(std::string(error.what()).find("damaged.con"), std::string::npos);
                ++reported;
            }
        }
    }
    EXPECT_GT(answered, 0);
    EXPECT_GT(reported, 0);
    EXPECT_EQ(reliability::OpenFileCount(), openBefore);
}

}  // namespace
}  // namespace fd9
