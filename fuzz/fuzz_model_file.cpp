// Any bytes opened as a model file: the reader never crashes, reads nothing out of bounds,
// and a file it accepts holds only finite numbers and bar counts the tables can take. What it
// accepts must survive a save: writing the model and reading it back writes the same text.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "../tests/reliability/ModelFields.h"
#include "files/ModelFile.h"
#include "model/ResetModel.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

std::string Saved(const fd9::FloorModel& model, fd9::LoadCombination combination) {
    std::ostringstream out;
    fd9::WriteModelFile(out, model, combination);
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    fd9::FloorModel model;
    fd9::ResetModelData(model);
    const fd9::ModelFileResult result = fd9::ReadModelFile(in, model);
    if (result.status != fd9::ModelFileStatus::Read) {
        return 0;
    }
    // NAN or INF never reaches the model: refused in an input, read as 0 in a result.
    const std::string nonFinite = fd9::reliability::FirstNonFinite(model);
    if (!nonFinite.empty())
        Fail("accepted a non-finite value in", nonFinite);
    if (model.PosSteelCount < 0 || model.PosSteelCount > fd9::MaxSteelRows ||
        model.NegSteelCount < 0 || model.NegSteelCount > fd9::MaxSteelRows) {
        Fail("accepted a bar count the tables cannot hold", fd9::reliability::Describe(model));
    }
    const std::string first = Saved(model, result.combination);
    std::istringstream again(first);
    fd9::FloorModel reopened;
    fd9::ResetModelData(reopened);
    const fd9::ModelFileResult second = fd9::ReadModelFile(again, reopened);
    if (second.status != fd9::ModelFileStatus::Read)
        Fail("a saved model does not open", first);
    if (second.combination != result.combination)
        Fail("the load combination changed", first);
    if (Saved(reopened, second.combination) != first)
        Fail("a second save differs", first);
    return 0;
}
