// The calculation record of the slowest member: a continuous beam under a non-standard fire,
// which searches the most data per CALCULATE, with its explorer's 21 runs, its charts and the
// PDF written to disk. The record must take less than a second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "bench/BenchMembers.h"
#include "files/ModelFile.h"
#include "record/CalculationRecord.h"

using namespace fd9;

namespace {

RecordInput SlowestMember() {
    RecordInput input;
    // As File > Open leaves it, so that the record times what the window's would.
    OpenModelText(bench::BenchModelFile(bench::BenchMember(
                      FloorType::Beam, SupportCondition::Continuous, DesignFire::NonStandard)),
                  input.model);
    input.dataDir = FD9_DATA_DIR;
    input.modelName = "beam.dat";
    input.date = "7-December-2026";
    input.details.project = "Harbour car park";
    input.details.job = "2026-114";
    input.details.member = "Beam B4";
    return input;
}

void BM_Record(benchmark::State& state) {
    const RecordInput input = SlowestMember();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.pdf"));
    for (auto _ : state) {
        bool completed = false;
        const std::string refused = WriteCalculationRecord(input, path, &completed);
        // A run that stopped early would time a record without most of its work.
        if (!refused.empty() || !completed) {
            state.SkipWithError(refused.empty() ? "the calculation stopped" : refused.c_str());
            break;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::RegisterBenchmark("Record/Beam/Continuous/NonStandard", BM_Record)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
