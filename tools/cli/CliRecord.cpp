#include "CliRecord.h"

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "files/ModelFile.h"
#include "files/RecordDetailsFile.h"

namespace fs = std::filesystem;

namespace fd9::cli {

namespace {

constexpr int Completed = 0;
constexpr int NotCompleted = 1;
constexpr int Unreadable = 2;

std::optional<std::string> ReadSmallFile(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error) || fs::file_size(path, error) > MaxModelFileBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? std::optional<std::string>(std::move(text).str()) : std::nullopt;
}

// The details the window would show for this model: the given file, or the model's own.
std::optional<RecordDetails> DetailsFor(const RecordRequest& request, const std::string& model) {
    const std::string path =
        request.detailsFile.empty() ? RecordDetailsPathFor(model) : request.detailsFile;
    if (request.detailsFile.empty() && !fs::exists(path)) {
        return RecordDetails{};
    }
    const std::optional<std::string> text = ReadSmallFile(path);
    if (!text) {
        std::cerr << "fd9-cli: " << path << ": cannot be read\n";
        return std::nullopt;
    }
    const RecordDetailsRead read = ReadRecordDetails(*text);
    if (!read.error.empty()) {
        std::cerr << "fd9-cli: " << path << ": " << read.error << "\n";
        return std::nullopt;
    }
    return read.details;
}

int WriteOne(const RecordRequest& request, const std::string& model, const Options& options,
             const ModelReader& readModel) {
    std::string text;
    if (const std::string why = readModel(model, text); !why.empty()) {
        std::cerr << "fd9-cli: " << model << ": " << why << "\n";
        return Unreadable;
    }
    RecordInput input;
    if (const std::optional<std::string> error = OpenModel(text, options, input.model)) {
        std::cerr << "fd9-cli: " << model << ": " << *error << "\n";
        return Unreadable;
    }
    const std::optional<RecordDetails> details = DetailsFor(request, model);
    if (!details) {
        return Unreadable;
    }
    input.details = *details;
    input.dataDir = options.dataDir;
    input.modelName = fs::path(model).filename().string();
    input.date = options.date;
    input.pageSize = request.pageSize;
    const std::string target =
        request.dir.empty()
            ? request.file
            : (fs::path(request.dir) / fs::path(model).filename().replace_extension(".pdf"))
                  .string();
    bool completed = false;
    const std::string refused =
        WriteCalculationRecord(input, QString::fromStdString(target), &completed);
    if (!refused.empty()) {
        std::cerr << "fd9-cli: " << refused << "\n";
        return Unreadable;
    }
    if (!completed) {
        std::cerr << "fd9-cli: " << model << ": the calculation stopped; the record says why\n";
    }
    return completed ? Completed : NotCompleted;
}

}  // namespace

int WriteRecords(const RecordRequest& request, const std::vector<std::string>& models,
                 const Options& options, const ModelReader& readModel, int argc, char* argv[]) {
    // No display on a build server: the record is drawn offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int status = Completed;
    for (const std::string& model : models) {
        status = std::max(status, WriteOne(request, model, options, readModel));
    }
    return status;
}

}  // namespace fd9::cli
