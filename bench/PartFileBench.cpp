// The two ends of the tool's work on big parts, each against a baseline
// measured in the same run:
// - BM_ReadPart: partfile::Parse of a generated part text, in MB/s, against
//   nlohmann::json::accept of the same text, which runs the same parser and
//   keeps nothing (vs_accept).
// - BM_WriteSceneJson: the streamed scene JSON of the imported part, in MB/s,
//   against nlohmann's dump of the same scene already built as a document
//   (vs_dump). Its counters also give what the stand-ins hold: heap bytes per
//   note the host keeps of a loaded part, and per annotation the scene keeps
//   after the import.
#include <malloc.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include "standins/kscene/KSceneStandIn.h"
#include "standins/kscene/SceneJson.h"
#include "standins/mastercam/PartFile.h"
#include "shell/EntryPoints.h"

namespace {

using Clock = std::chrono::steady_clock;

// One record per kind family, varied by the note's number; lines end with
// \r\n as the host writes them.
std::string RecordText(std::size_t n) {
    const std::string id = std::to_string(n);
    const std::string value = "0." + std::to_string(n % 97 + 1);
    switch (n % 4) {
        case 0:
            return "MBD|FCF-" + id + "|5|1|-" + id + "|0|0||0|0\\r\\n101|0|0|0|1|1|1|0|0|0\\r\\n102|6|12|" + value +
                   "|-" + value + "|13|MAX|0|\\r\\n103|A|12|B|0|C|0\\r\\n104|8|0|" + value + "/25|0|0||0|\\r\\n106|10|0|" +
                   value + "|0|14|CZ|0|\\r\\n107|D|0|E|13|F|0";
        case 1:
            return "MBD|DATUM-" + id + "|7|0|" + id + "|0|0||0|0\\r\\n101|0|0|0|0|0|0|1|0|0\\r\\n108|A";
        case 2:
            return "MBD|DIM-" + id + "|12|0|0|0|0||0|0\\r\\n125|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|1\\r\\n126|0|1|0|0|0|0|0|0|" +
                   id + "|0|0\\r\\n0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|R" + id + "|0|0\\r\\n1|0|0|0|0|" + value + "*2|" +
                   value + "/4|0\\r\\n0|0";
        default:
            return "MBD|NOTE-" + id + "|8|0|" + id + "|0|0||0|0\\r\\n101|0|0|0|0|0|0|0|0|3\\r\\n110\\r\\nfirst line of note " +
                   id + "\\r\\nsecond|line\\r\\nthird line";
    }
}

// A part of `notes` recorded notes with a line between every few, about 250
// bytes a note.
std::string PartText(std::size_t notes) {
    std::string text = "{\"entities\": [\n";
    for (std::size_t n = 0; n < notes; ++n) {
        if (n % 4 == 3) text += "  {\"type\": \"line\"},\n";
        text += "  {\"type\": \"note\", \"text\": \"~M01|" + std::to_string(n) + "\", \"basePoint\": [" +
                std::to_string(n % 1000) + ".5, " + std::to_string(n / 1000) + ".25, 0], \"memoryTable\": " +
                std::to_string(n + 1) + (n + 1 < notes ? "},\n" : "}\n");
    }
    text += "],\n\"memoryTables\": {\n";
    for (std::size_t n = 0; n < notes; ++n) {
        text += "  \"" + std::to_string(n + 1) + "\": \"" + RecordText(n) + (n + 1 < notes ? "\",\n" : "\"\n");
    }
    return text + "}}\n";
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_ReadPart(benchmark::State& state) {
    const std::string text = PartText(std::size_t(state.range(0)));
    double readSeconds = 0.0;
    double acceptSeconds = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto acceptStart = Clock::now();
        benchmark::DoNotOptimize(nlohmann::json::accept(text));
        acceptSeconds += Seconds(Clock::now() - acceptStart);
        state.ResumeTiming();
        const auto readStart = Clock::now();
        auto part = std::make_unique<partfile::Part>(partfile::Parse(text));
        readSeconds += Seconds(Clock::now() - readStart);
        benchmark::DoNotOptimize(part->entities.data());
        state.PauseTiming();  // freeing the part is not reading it
        part.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * text.size()));
    state.counters["vs_accept"] = readSeconds / acceptSeconds;
}

// Counts what is written and keeps nothing.
class CountingBuffer : public std::streambuf {
public:
    std::size_t written = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        written += std::size_t(count);
        return count;
    }
    int_type overflow(int_type c) override {
        ++written;
        return traits_type::not_eof(c);
    }
};

// Heap bytes in use.
double HeapInUse() { return double(mallinfo2().uordblks); }

void BM_WriteSceneJson(benchmark::State& state) {
    const auto notes = std::size_t(state.range(0));
    standin::host::Reset();
    standin::kscene::Reset();
    const std::string text = PartText(notes);
    const double beforeLoad = HeapInUse();
    partfile::Load(partfile::Parse(text));
    const double beforeImport = HeapInUse();
    m_Draftlift();
    state.counters["host_B_per_note"] = (beforeImport - beforeLoad) / double(notes);
    state.counters["scene_B_per_object"] =
        (HeapInUse() - beforeImport) / double(standin::kscene::Entries().size());
    const scenejson::Json document = scenejson::SceneJson();
    double writeSeconds = 0.0;
    double dumpSeconds = 0.0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        const auto writeStart = Clock::now();
        scenejson::WriteSceneJson(out);
        writeSeconds += Seconds(Clock::now() - writeStart);
        bytes += buffer.written;
        state.PauseTiming();
        const auto dumpStart = Clock::now();
        out << document.dump(2);
        dumpSeconds += Seconds(Clock::now() - dumpStart);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(bytes));
    state.counters["vs_dump"] = writeSeconds / dumpSeconds;
    standin::kscene::Reset();
    standin::host::Reset();
}

}  // namespace

BENCHMARK(BM_ReadPart)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSceneJson)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
