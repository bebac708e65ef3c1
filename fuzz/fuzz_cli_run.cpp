// Any bytes as a model file through the whole command-line road: read as File > Open reads
// it, CALCULATE, report. A run that completes writes a report with finite numbers; one that
// does not writes no report and says why.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CliRunner.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

// "INF" also begins words of the report ("INFLECTION"); a number never has a letter after it.
bool ShowsNonFinite(const std::string& report) {
    if (report.find("NAN") != std::string::npos) {
        return true;
    }
    for (std::size_t at = report.find("INF"); at != std::string::npos;
         at = report.find("INF", at + 1)) {
        const char next = at + 3 < report.size() ? report[at + 3] : ' ';
        if (!(next >= 'A' && next <= 'Z') && !(next >= 'a' && next <= 'z')) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fd9::cli::Options options;
    options.dataDir = FD9_FUZZ_DATA_DIR;
    options.date = "6-December-2026";
    const std::string text(reinterpret_cast<const char*>(data), size);
    const fd9::cli::RunResult result = fd9::cli::RunModel(text, options);
    switch (result.status) {
        case fd9::cli::RunStatus::Completed:
            if (result.report.empty())
                Fail("completed without a report", text);
            if (ShowsNonFinite(result.report))
                Fail("report shows a non-finite number", result.report);
            break;
        case fd9::cli::RunStatus::NotCompleted:
        case fd9::cli::RunStatus::Unreadable:
            if (!result.report.empty())
                Fail("a report after a failure", text);
            if (result.error.empty())
                Fail("a failure without a reason", text);
            break;
    }
    return 0;
}
