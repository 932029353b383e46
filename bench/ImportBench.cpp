// Import of generated recorded notes of mixed kinds, against a baseline that
// only cuts the same record texts into lines and fields.
#include <array>
#include <chrono>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "host/Mastercam.h"
#include "import/AnnotationBuilder.h"
#include "import/RecordReader.h"
#include "shell/EntryPoints.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/mastercam/HostStandIn.h"
#include "tests/support/WideText.h"

namespace {

WString Wide(const std::string& text) { return WString(text.begin(), text.end()); }

// One record per kind family, varied by the note's number.
WString RecordText(std::size_t n) {
    const std::string id = std::to_string(n);
    const std::string value = "0." + std::to_string(n % 97 + 1);
    switch (n % 6) {
        case 0:
            return Wide("0|FCF-" + id + "|5|1|-" + id + "|0|0||0|0\r101|0|0|0|1|1|1|0|0|0\r102|6|12|" + value +
                        "|-" + value + "|13|MAX|0|\r103|A|12|B|0|C|0\r104|8|0|" + value +
                        "/25|0|0||0|\r106|10|0|" + value + "|0|14|CZ|0|\r107|D|0|E|13|F|0");
        case 1:
            return Wide("0|DATUM-" + id + "|7|0|" + id + "|0|0||0|0\r101|0|0|0|0|0|0|1|0|0\r108|A");
        case 2:
            return Wide("0|T" + id + "|11|2|-4|0|0||0|0\r101|0|0|0|0|0|0|1|0|1\r108|T" + id +
                        "\r136|target " + id + "\r110\rsee note " + id);
        case 3:
            return Wide("0|DIM-" + id + "|12|0|0|0|0||0|0\r125|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|1\r" +
                        "126|0|1|0|0|0|0|0|0|" + id + "|0|0\r0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|R" + id +
                        "|0|0\r1|0|0|0|0|" + value + "*2|" + value + "/4|0\r0|0");
        case 4:
            return Wide("0|FCF-" + id + "|2|0|" + id + "|0|0||0|0\r125|0|0|0|1|1|0|0|0|0|0|0|0|0|0|1|0|0\r" +
                        "102|19|0|" + value + "|0|0||0|\r104|20|0|" + value + "|0|0||0|\r109|ALL AROUND");
        default:
            return Wide("0|NOTE-" + id + "|8|0|" + id + "|0|0||0|0\r101|0|0|0|0|0|0|0|0|3\r110\r" +
                        "first line of note " + id + "\rsecond|line\rthird line");
    }
}

struct Notes {
    std::vector<WString> texts;
};

// The host holds the generated notes; the scene starts empty.
Notes LoadNotes(std::size_t count) {
    standin::host::Reset();
    standin::kscene::Reset();
    Notes notes;
    notes.texts.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
        const auto table = static_cast<std::int32_t>(n + 1);
        notes.texts.push_back(RecordText(n));
        standin::host::SetMemoryTable(table, notes.texts.back());
        standin::host::AddNote({u"~M01|"_w + Wide(std::to_string(n)), {double(n), 0.0, 0.0}, table});
    }
    return notes;
}

// The baseline: cuts each text at carriage returns (a trailing line feed
// dropped, blank lines skipped) and each line at '|', keeping the pieces as
// views.
std::size_t SplitAll(const Notes& notes, std::vector<std::u16string_view>& pieces) {
    std::size_t fields = 0;
    for (const WString& text : notes.texts) {
        pieces.clear();
        const std::u16string_view all(text);
        std::size_t start = 0;
        while (start < all.size()) {
            std::size_t end = all.find(u'\r', start);
            if (end == std::u16string_view::npos) end = all.size();
            std::u16string_view line = all.substr(start, end - start);
            if (!line.empty() && line.back() == u'\n') line.remove_suffix(1);
            for (std::size_t from = 0; !line.empty();) {
                const std::size_t bar = line.find(u'|', from);
                pieces.push_back(line.substr(from, bar == std::u16string_view::npos ? bar : bar - from));
                if (bar == std::u16string_view::npos) break;
                from = bar + 1;
            }
            start = end + 1;
        }
        fields += pieces.size();
    }
    return fields;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The common loop: per iteration an untimed preparation, the split baseline
// over the same texts on its own clock, then the work measured; the ratio
// of the two goes into the vs_split counter. The baseline runs with the
// texts in cache, as the work that follows it does.
template <class Prepare, class Work>
void AgainstSplit(benchmark::State& state, const Notes& notes, Prepare prepare, Work work) {
    std::vector<std::u16string_view> pieces;
    pieces.reserve(64);
    double workSeconds = 0.0;
    double splitSeconds = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        // Once to bring the texts into cache as the work finds them, once timed.
        benchmark::DoNotOptimize(SplitAll(notes, pieces));
        const auto splitStart = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(SplitAll(notes, pieces));
        splitSeconds += Seconds(std::chrono::steady_clock::now() - splitStart);
        state.ResumeTiming();

        const auto workStart = std::chrono::steady_clock::now();
        work();
        workSeconds += Seconds(std::chrono::steady_clock::now() - workStart);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * notes.texts.size()));
    state.counters["vs_split"] = workSeconds / splitSeconds;
}

void BM_ImportNotes(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const Notes notes = LoadNotes(count);
    AgainstSplit(state, notes, [] { standin::kscene::Reset(); }, [] { m_Draftlift(); });
    if (standin::kscene::Entries().size() != count) state.SkipWithError("not every note was imported");
    standin::kscene::Reset();
    standin::host::Reset();
}

void BM_SplitBaseline(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const Notes notes = LoadNotes(count);
    std::vector<std::u16string_view> pieces;
    pieces.reserve(64);
    for (auto _ : state) benchmark::DoNotOptimize(SplitAll(notes, pieces));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
    standin::host::Reset();
}

// Reading alone, without building objects or the host walk.
void BM_ReadRecords(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const Notes notes = LoadNotes(count);
    std::size_t decoded = 0;
    AgainstSplit(state, notes, [&] { decoded = 0; }, [&] {
        for (const WString& text : notes.texts) decoded += noteimport::ReadRecord(text).Decoded();
    });
    if (decoded != count) state.SkipWithError("a generated record was refused");
    standin::host::Reset();
}

// Building the scene's objects from records read beforehand and adding them
// to the scene: the part of the import that the scene's object model sets.
void BM_BuildObjects(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const Notes notes = LoadNotes(count);
    std::vector<noteimport::NoteRecord> records(count);
    const auto readAll = [&] {
        standin::kscene::Reset();
        for (std::size_t n = 0; n < count; ++n) records[n] = noteimport::ReadRecord(notes.texts[n]).record;
    };
    AgainstSplit(state, notes, readAll, [&] {
        KScene& scene = *KD::GetScene();
        for (std::size_t n = 0; n < count; ++n) {
            scene.AddObject(noteimport::BuildAnnotation(std::move(records[n]), {double(n), 0.0, 0.0}));
        }
    });
    if (standin::kscene::Entries().size() != count) state.SkipWithError("not every object was added");
    standin::kscene::Reset();
    standin::host::Reset();
}

}  // namespace

BENCHMARK(BM_BuildObjects)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRecords)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportNotes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitBaseline)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
