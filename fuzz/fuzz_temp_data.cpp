// A temperature data file of any content, searched by both searches under any fire case: a
// search either answers with a finite number or reports the file as unusable; it never
// crashes, reads out of bounds or throws anything but TempDataError.
#include "model/FireRatings.h"
#include "thermal/TempDataFiles.h"

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

struct Parameters {
    std::uint8_t layout;
    std::uint8_t rule;
    std::int16_t key;
    float widthLimit;
    std::uint8_t openingFactor;
    float targetDepth;
};

const std::string& ScratchFile() {
    static const std::string path =
        "/tmp/fd9_fuzz_temp_data_" + std::to_string(::getpid()) + ".con";
    return path;
}

void CheckAnswer(const std::optional<float>& answer, const char* search) {
    if (answer && !std::isfinite(*answer)) {
        std::fprintf(stderr, "%s answered %g\n", search, static_cast<double>(*answer));
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Parameters p{};
    constexpr std::size_t head = 14;
    if (size < head) {
        return 0;
    }
    p.layout = data[0] % 3;
    p.rule = data[1] % 2;
    std::memcpy(&p.key, data + 2, 2);
    std::memcpy(&p.widthLimit, data + 4, 4);
    p.openingFactor = static_cast<std::uint8_t>(data[8] % fd9::OpeningFactors.size());
    std::memcpy(&p.targetDepth, data + 9, 4);
    // The dialogs and the calculation hand the searches only finite, modest numbers.
    if (!std::isfinite(p.widthLimit) || !std::isfinite(p.targetDepth)) {
        return 0;
    }
    {
        std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + head),
                  static_cast<std::streamsize>(size - head));
    }
    const auto layout = static_cast<fd9::RecordLayout>(p.layout);
    const auto rule = p.rule ? fd9::PreviousRecordRule::Either : fd9::PreviousRecordRule::Both;
    fd9::FloorModel model;
    try {
        CheckAnswer(fd9::FindTempAtDepth(model, ScratchFile(), layout, p.key, p.widthLimit,
                                         fd9::OpeningFactors[p.openingFactor], p.targetDepth, rule),
                    "FindTempAtDepth");
    } catch (const fd9::TempDataError&) {
    }
    try {
        CheckAnswer(fd9::FindDepthAt750(model, ScratchFile(), layout, p.key, p.widthLimit,
                                        fd9::OpeningFactors[p.openingFactor]),
                    "FindDepthAt750");
    } catch (const fd9::TempDataError&) {
    }
    return 0;
}
