// The calculation record of the slowest member: a continuous beam under a non-standard fire,
// which searches the most data per CALCULATE, with its explorer's 21 runs, its charts and the
// PDF written to disk. The record must take less than a second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "model/FireRatings.h"
#include "model/LoadCombinations.h"
#include "record/CalculationRecord.h"

using namespace fd9;

namespace {

void Bar(SteelTable& table, std::int16_t& count, float x, float y, float diameter) {
    table[count] = {x, y, diameter, 0};
    ++count;
}

RecordInput SlowestMember() {
    RecordInput input;
    FloorModel& m = input.model;
    m.Selected = {.FloorType = FloorType::Beam,
                  .DesignFire = DesignFire::NonStandard,
                  .SupportCondition = SupportCondition::Continuous,
                  .ConcreteType = ConcreteType::NormalWeight};
    m.SectionWidth = 300;
    m.SectionDepth = 600;
    for (float x : {70.f, 150.f, 230.f}) {
        Bar(m.PosSteel, m.PosSteelCount, x, 530, 25);
        Bar(m.NegSteel, m.NegSteelCount, x, 60, 16);
    }
    m.FireLoad = FireLoads.back();
    m.OpeningFactor = OpeningFactors.back();
    m.ConcreteStrength = 40;
    m.PosSteelStrength = 500;
    m.NegSteelStrength = 500;
    m.DeadLoad = 10;
    m.LiveLoad = 6;
    m.DeadLoadFactor = NzsDeadLoadFactor;
    m.LiveLoadFactor = NzsLiveLoadFactor(Occupancy::DomesticFloors);
    m.Span = 8;
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
