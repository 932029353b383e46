// STEP AP242 export and import of 10 000 annotations, per annotation each
// way, against `draftlift import --json` of the same part in the same run
// (vs_import_json): each the in-process work of its command, the part read
// from its text and imported first where the command does so.
#include <chrono>
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include "standins/kscene/SceneJson.h"
#include "standins/mastercam/PartFile.h"
#include "tools/cli/Session.h"
#include "tools/gdt/GdtJson.h"
#include "tools/step/PartNotes.h"
#include "tools/step/SceneAnnotations.h"
#include "tools/step/StepFile.h"

namespace {

namespace step = draftlift_tool::step;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kAnnotations = 10000;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// The sample part's datum feature A and datum targets B1 and C2 once, as a
// part defines each datum once, then its other notes that make annotations
// again and again, each at a base point of its own.
std::string BenchPart() {
    const nlohmann::json sample = nlohmann::json::parse(draftlift_tool::EmbeddedSamplePart());
    const char* const kDatums[] = {"107", "110", "111"};
    const char* const kTables[] = {"100", "101", "102", "103", "104", "105", "106", "108", "109", "112", "113", "114"};
    nlohmann::json part = {{"entities", nlohmann::json::array()}, {"memoryTables", nlohmann::json::object()}};
    for (std::size_t n = 0; n < kAnnotations; ++n) {
        const std::string table = n < std::size(kDatums) ? kDatums[n] : kTables[n % std::size(kTables)];
        const std::string id = std::to_string(n + 1);
        part["memoryTables"][id] = sample["memoryTables"][table];
        part["entities"].push_back({{"type", "note"},
                                    {"text", "~M01|N" + id},
                                    {"basePoint", {double(n % 100), double(n / 100), 0.5}},
                                    {"memoryTable", n + 1}});
    }
    return part.dump();
}

draftlift_tool::Progress& Quiet() {
    static draftlift_tool::Progress quiet(nullptr, "");
    return quiet;
}

void ImportJson(const std::string& text) {
    draftlift_tool::Session session(partfile::Parse(text));
    session.Import(Quiet());
    std::ostringstream out;
    scenejson::WriteSceneJson(out, [](std::size_t) {}, draftlift_tool::gdt::WriteGdtMember);
    benchmark::DoNotOptimize(out.str().size());
}

std::string ExportStep(const std::string& text) {
    draftlift_tool::Session session(partfile::Parse(text));
    session.Import(Quiet());
    std::ostringstream out;
    step::WriteStep(step::SceneAnnotations(session.Scene()), out);
    return out.str();
}

// The notes made; `reading` gets the time of reading the file alone.
std::size_t ImportStep(const std::string& file, double& reading) {
    std::istringstream in(file);
    const auto start = Clock::now();
    const step::StepReading read = step::ReadStep(in, "bench");
    reading += Seconds(Clock::now() - start);
    const step::PartFromPmi part = step::PartOf(read.annotations);
    benchmark::DoNotOptimize(part.part.dump().size());
    return part.notes;
}

void BM_StepRoundTrip(benchmark::State& state) {
    static const std::string part = BenchPart();
    double json = 0, exported = 0, read = 0, file = 0;
    std::size_t notes = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        ImportJson(part);
        const auto imported = Clock::now();
        const std::string text = ExportStep(part);
        const auto written = Clock::now();
        notes = ImportStep(text, file);
        const auto back = Clock::now();
        json += Seconds(imported - start);
        exported += Seconds(written - imported);
        read += Seconds(back - written);
    }
    const double annotations = double(state.iterations()) * double(kAnnotations);
    state.SetItemsProcessed(std::int64_t(annotations));
    state.counters["export_us_per_annotation"] = exported * 1e6 / annotations;
    state.counters["import_us_per_annotation"] = read * 1e6 / annotations;
    state.counters["json_us_per_annotation"] = json * 1e6 / annotations;
    state.counters["export_vs_import_json"] = exported / json;
    state.counters["import_vs_import_json"] = read / json;
    state.counters["notes_back"] = double(notes);
    state.counters["read_file_us_per_annotation"] = file * 1e6 / annotations;
}

BENCHMARK(BM_StepRoundTrip)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
