// The calculation record read back as a checker reads it: its text through pdftotext, its first
// page through pdftoppm, each against an independent CALCULATE and its results file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

#include "../calc/ExampleMembers.h"
#include "calc/Calculate.h"
#include "files/ModelFile.h"
#include "files/ResultsReport.h"
#include "model/ResultFormat.h"
#include "model/Verdicts.h"
#include "record/CalculationRecord.h"

namespace fd9 {
namespace {

using enum FloorType;
using enum SupportCondition;
using enum DesignFire;

const std::string Date = "7-December-2026";

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, n);
        }
        pclose(pipe);
    }
    return text;
}

// Runs of blanks and line breaks as one blank, so table cells and wrapped lines compare as words.
std::string Words(const std::string& text) {
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

struct Written {
    std::string error;
    std::string text;  // every word of the PDF
};

Written Record(const FloorModel& model, const QString& path) {
    RecordInput input{model, FD9_DATA_DIR, "member.dat", Date, {}, RecordPageSize::A4};
    Written written{WriteCalculationRecord(input, path), {}};
    written.text = Words(Output("pdftotext -raw '" + path.toStdString() + "' -"));
    return written;
}

// The value a results-file line gives after its label, "   5.000 " -> "5.000".
std::string ValueOf(const std::string& results, const std::string& label) {
    const std::size_t at = results.find(label);
    std::istringstream rest(
        results.substr(at == std::string::npos ? results.size() : at + label.size()));
    std::string value;
    rest >> value;
    return value;
}

std::vector<std::string> Lines(const std::string& text, const std::string& separator) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + separator.size()) {
        end = std::min(text.find(separator, start), text.size());
        if (end > start) {
            lines.push_back(text.substr(start, end - start));
        }
    }
    return lines;
}

struct Member {
    const char* name;
    FloorType floor;
    SupportCondition support;
    DesignFire fire;
};

class RecordAgainstCalculate : public testing::TestWithParam<Member> {};

// Inputs, capacity, applied moment and verdicts as CALCULATE and its results file give them.
TEST_P(RecordAgainstCalculate, ShowsWhatCalculateAndTheResultsFileShow) {
    const Member member = GetParam();
    FloorModel model = examples::Member(member.floor, member.support, member.fire);
    const FloorModel given = model;
    TempDataContext context{FD9_DATA_DIR, {}};
    const CalculationOutcome outcome = Calculate(model, context);
    ASSERT_TRUE(outcome.completed) << outcome.stopMessage;
    const std::string results = ResultsFileText(model, Date);

    QTemporaryDir dir;
    const Written record = Record(given, dir.filePath(QStringLiteral("record.pdf")));
    ASSERT_EQ(record.error, "");
    const auto shows = [&](const std::string& words) {
        EXPECT_NE(record.text.find(Words(words)), std::string::npos) << words;
    };
    for (const std::string& line : Lines(*outcome.messages, "\r")) {
        shows(line);
    }
    // The results file leaves the positive capacity of a continuous member out.
    shows("capacity " + FormatResult(model.PosMomentCapacity, "0.00") + " kNm, applied moment " +
          FormatResult(model.AppliedMoment, "0.00") + " kNm");
    if (member.support == Continuous) {
        shows("capacity " + ValueOf(results, "Neg Moment Capacity available (kNm)") +
              " kNm, required " + ValueOf(results, "Required for End Bays (kNm)") + " kNm");
        shows("required " + ValueOf(results, "Required for Int Bays (kNm)") + " kNm");
    } else {
        shows("capacity " + ValueOf(results, "Moment Capacity Available (kNm)") +
              " kNm, applied moment " + ValueOf(results, "Moment Capacity Required (kNm)"));
    }
    const std::pair<const char*, const char*> inputs[] = {
        {"Concrete Strength (MPa)", "f'c # MPa"},
        {"Steel Strength (MPa)", "fy # MPa"},
        {"Dead Load (kN/m)", "# kN/m"},
        {"Live Load (kN/m)", "# kN/m"},
        {"Dead Load Reduction Factor", "kN/m, #"},
        {"Live Load Reduction Factor", "kN/m, #"},
        {"Span (m)", "# m"},
        {"Depth (mm)", "# mm"},
        {"Width (mm)", "# mm"},
        {"Width of Rib at bottom (mm)", "# mm"},
        {"FRR required is", "required # min"},
        {"(per floor area) is", "fire load # kg/m"},
        {"Opening Factor is", "opening factor # m"},
    };
    for (const auto& [label, shown] : inputs) {
        if (results.find(label) != std::string::npos) {
            shows(std::regex_replace(shown, std::regex("#"), ValueOf(results, label)));
        }
    }
    // Each bar's x, y, diameter and cover in the order of its results-file row.
    const std::regex bar("\r\n *(-?[0-9.]+) +(-?[0-9.]+) +(-?[0-9.]+) +(-?[0-9.]+) *(?=\r\n)");
    int bars = 0;
    for (std::sregex_iterator it(results.begin(), results.end(), bar), end; it != end; ++it) {
        shows((*it)[1].str() + " " + (*it)[2].str() + " " + (*it)[3].str() + " " + (*it)[4].str());
        ++bars;
    }
    EXPECT_EQ(bars, model.PosSteelCount + model.NegSteelCount);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFloorAndSupport, RecordAgainstCalculate,
    testing::Values(Member{"Beam", Beam, SimplySupported, Standard},
                    Member{"ContinuousBeamNonStandardFire", Beam, Continuous, NonStandard},
                    Member{"Slab", Slab, SimplySupported, Standard},
                    Member{"ContinuousSlab", Slab, Continuous, Standard},
                    Member{"DoubleTeeNonStandardFire", DoubleTee, SimplySupported, NonStandard},
                    Member{"ContinuousDoubleTee", DoubleTee, Continuous, Standard},
                    Member{"TeeBeam", TeeBeam, SimplySupported, Standard},
                    Member{"ContinuousTeeBeam", TeeBeam, Continuous, Standard}),
    [](const testing::TestParamInfo<Member>& info) { return info.param.name; });

TEST(Record, AStoppedRunNamesTheInputToConfirmAndGivesNoCapacityOrVerdict) {
    FloorModel model = examples::Member(Beam, SimplySupported, NonStandard);
    model.FireLoad = 0;
    FloorModel copy = model;
    TempDataContext context{FD9_DATA_DIR, {}};
    const CalculationOutcome outcome = Calculate(copy, context);
    QTemporaryDir dir;
    const Written record = Record(model, dir.filePath(QStringLiteral("stopped.pdf")));
    ASSERT_EQ(record.error, "");
    EXPECT_NE(record.text.find("NONE: THE CALCULATION STOPPED. " + Words(outcome.stopMessage)),
              std::string::npos);
    EXPECT_NE(
        record.text.find("Input to confirm Design fire: the fire load and the opening factor"),
        std::string::npos);
    std::smatch shown;
    std::regex_search(record.text, shown,
                      std::regex("[Cc]apacity [-0-9]|Stability(, [a-z ]+)? (NOT )?"
                                 "ACHIEVED"));
    EXPECT_EQ(shown.str(), "");
    EXPECT_EQ(record.text.find("STABILITY"), std::string::npos);
}

// A double-tee whose end bays have no point of inflection: the record says why, as the message
// area and the results report do.
TEST(Record, ExplainsAResultTheFormulasAloneWouldShowAsAPlainNumber) {
    FloorModel model;
    std::ifstream file(FD9_DATA_DIR "/../fuzz/corpus/fuzz_cli_run/double_tee");
    ASSERT_EQ(ReadModelFile(file, model).status, ModelFileStatus::Read);
    SelectStoredCodes(model);
    FloorModel calculated = model;
    TempDataContext context{FD9_DATA_DIR, {}};
    ASSERT_TRUE(Calculate(calculated, context).completed);
    const std::vector<std::string> notes = ResultNotes(calculated);
    ASSERT_FALSE(notes.empty());
    QTemporaryDir dir;
    const Written record = Record(model, dir.filePath(QStringLiteral("double-tee.pdf")));
    for (const std::string& note : notes) {
        EXPECT_NE(record.text.find(Words(note)), std::string::npos) << note;
    }
}

TEST(Record, PageOneShowsTheSection) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("slab.pdf"));
    ASSERT_EQ(Record(examples::Member(Slab, SimplySupported), pdf).error, "");
    // At 72 dpi a pixel is a PDF point, the unit of pdftotext's word boxes.
    const std::string prefix = dir.filePath(QStringLiteral("page")).toStdString();
    Output("pdftoppm -r 72 -png -f 1 -l 1 '" + pdf.toStdString() + "' '" + prefix + "'");
    const QImage page(QString::fromStdString(prefix + "-1.png"));
    ASSERT_FALSE(page.isNull());
    const std::string boxes = Output("pdftotext -bbox -f 1 -l 1 '" + pdf.toStdString() + "' -");
    const auto top = [&](const char* word) {  // of its last place on the page
        const std::regex box("yMin=\"([0-9.]+)\"[^>]*>" + std::string(word) + "<");
        int y = -1;
        for (std::sregex_iterator it(boxes.begin(), boxes.end(), box), end; it != end; ++it) {
            y = std::stoi((*it)[1]);
        }
        return y;
    };
    const int heading = top("Section");
    const int legend = top("fire-exposed");
    ASSERT_GT(legend, heading + 20);
    int exposed = 0;
    int bars = 0;
    for (int y = heading + 12; y < legend - 4; ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            exposed += c.red() > 200 && c.green() > 60 && c.green() < 130 && c.blue() < 40;
            bars += c.lightness() < 60;
        }
    }
    EXPECT_GT(exposed, 100);  // the soffit, marked as the fire-exposed face
    EXPECT_GT(bars, 4);       // the bars and the outline
}

std::vector<std::string> Entries(const QTemporaryDir& dir) {
    std::vector<std::string> names;
    for (const QString& name :
         QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        names.push_back(name.toStdString());
    }
    return names;
}

TEST(Record, AFolderThatCannotBeWrittenIsRefusedAndNothingIsLeft) {
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    // Permissions do not stop root; a file where the folder should be does.
    if (geteuid() == 0) {
        std::ofstream(locked.toStdString()) << "not a folder";
    } else {
        QDir().mkdir(locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    }
    const std::string error =
        Record(examples::Member(Slab, SimplySupported), locked + QStringLiteral("/r.pdf")).error;
    EXPECT_NE(error.find("The calculation record could not be written to "), std::string::npos);
    EXPECT_EQ(QDir(locked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A full disk, as a file-size limit: the good record written before stays whole.
TEST(Record, AFullDiskIsRefusedAndTheGoodRecordStays) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.pdf"));
    const FloorModel slab = examples::Member(Slab, SimplySupported);
    ASSERT_EQ(Record(slab, path).error, "");
    std::ifstream before(path.toStdString(), std::ios::binary);
    const std::string good{std::istreambuf_iterator<char>(before), {}};

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const sighandler_t handler = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = 16 * 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
    const std::string error = WriteCalculationRecord(
        {slab, FD9_DATA_DIR, "member.dat", Date, {}, RecordPageSize::Letter}, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, handler);

    EXPECT_NE(error.find("could not be written"), std::string::npos);
    std::ifstream after(path.toStdString(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), good);
    EXPECT_EQ(Entries(dir), std::vector<std::string>{"r.pdf"});
}

}  // namespace
}  // namespace fd9

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
