// Writing note records back from their decoded form, against reading the
// same records in the same run (vs_read), on the part bench/make_part.py
// makes of 100 000 notes: every record the reader accepts is read, then
// written into one reused text. Counters: nanoseconds per note for writing
// and for reading, and heap allocations per written note.
#include <chrono>
#include <cstdlib>
#include <new>
#include <vector>

#include <benchmark/benchmark.h>

#include "import/RecordReader.h"
#include "standins/mastercam/PartFile.h"
#include "tools/record/RecordWriter.h"

namespace {

std::size_t g_allocations = 0;

// Out of line, so that the compiler pairs no operator new with free.
[[gnu::noinline]] void Release(void* p) noexcept { std::free(p); }

}  // namespace

// Counted, so that the writer's allocations per note can be reported.
void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

struct Records {
    std::vector<WString> texts;
    std::vector<noteimport::NoteRecord> decoded;
};

// The records the reader accepts, as texts and as read, in the part's order.
Records LoadRecords() {
    partfile::Part part = partfile::ReadFile(DRAFTLIFT_BENCH_PART);
    Records records;
    for (const partfile::Entity& entity : part.entities) {
        if (entity.type != standin::host::EntityType::Note) continue;
        const auto table = part.memoryTables.find(entity.note.memoryTable);
        if (table == part.memoryTables.end()) continue;
        auto reading = noteimport::ReadRecord(table->second);
        if (!reading.Decoded()) continue;
        records.texts.push_back(std::move(table->second));
        records.decoded.push_back(std::move(reading.record));
    }
    return records;
}

std::size_t ReadAll(const Records& records) {
    std::size_t decoded = 0;
    for (const WString& text : records.texts) decoded += noteimport::ReadRecord(text).Decoded();
    return decoded;
}

std::size_t WriteAll(const Records& records, WString& out) {
    std::size_t written = 0;
    for (const noteimport::NoteRecord& record : records.decoded) {
        out.clear();
        written += !noterecord::WriteRecord(record, out);
    }
    return written;
}

void BM_WriteRecords(benchmark::State& state) {
    static const Records records = LoadRecords();
    WString out;
    WriteAll(records, out);  // the text grows to its longest once
    double writeSeconds = 0.0;
    double readSeconds = 0.0;
    std::size_t written = 0;
    std::size_t allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto readStart = Clock::now();
        benchmark::DoNotOptimize(ReadAll(records));
        readSeconds += Seconds(Clock::now() - readStart);
        state.ResumeTiming();

        const std::size_t allocationsBefore = g_allocations;
        const auto writeStart = Clock::now();
        written = WriteAll(records, out);
        writeSeconds += Seconds(Clock::now() - writeStart);
        allocations += g_allocations - allocationsBefore;
    }
    if (written != records.decoded.size()) state.SkipWithError("a record read from the part was not written");
    const double notes = double(state.iterations()) * double(records.decoded.size());
    state.SetItemsProcessed(std::int64_t(notes));
    state.counters["vs_read"] = writeSeconds / readSeconds;
    state.counters["write_ns_per_note"] = writeSeconds * 1e9 / notes;
    state.counters["read_ns_per_note"] = readSeconds * 1e9 / notes;
    state.counters["allocs_per_note"] = double(allocations) / notes;
}

}  // namespace

BENCHMARK(BM_WriteRecords)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
