// Building many annotations one after another through the interface: each is
// created, named and finished before the next, against creating and naming
// alone in the same run.
//
// Finishing asks the scene for the list of all its annotations and walks it
// for the handle, so one finish costs time in proportion to the scene's size.
// Counters: time per annotation with and without finishing, their ratio, the
// finishing time per finish, and per object listed (the k-th finish lists k
// annotations; flat across sizes means each finish grows no faster than the
// scene).
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "draftlift/draftlift.h"
#include "standins/kscene/KSceneStandIn.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> Names(std::size_t count) {
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) names.push_back("MBD-" + std::to_string(i));
    return names;
}

// Seconds to build the annotations into an empty scene; the scene is emptied
// again outside the timing.
double BuildSeconds(const std::vector<std::string>& names, bool finish) {
    standin::kscene::Reset();
    const auto start = Clock::now();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const KSDKHandle annotation = KSDKCreateMbd(static_cast<std::int32_t>(i % 8));
        if (annotation == nullptr) std::abort();
        KSDKCommonData common;
        KSDKInitCommonData(&common);
        common.anchorPoint = {double(i), 0.0, 0.0};
        common.name = names[i].c_str();
        KSDKSetCommonData(annotation, &common);
        if (finish) KSDKFinishMbd(annotation);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (finish && standin::kscene::UndoPoints().size() != names.size()) std::abort();
    standin::kscene::Reset();
    return seconds;
}

void BM_CreateSetFinish(benchmark::State& state) {
    const std::vector<std::string> names = Names(std::size_t(state.range(0)));
    const double n = double(names.size());
    double baseline = 0.0;
    double built = 0.0;
    for (auto _ : state) {
        baseline += BuildSeconds(names, false);
        const double seconds = BuildSeconds(names, true);
        built += seconds;
        state.SetIterationTime(seconds);
    }
    state.SetItemsProcessed(std::int64_t(names.size()) * state.iterations());
    const double runs = double(state.iterations());
    const double finishing = (built - baseline) / runs;
    state.counters["us/annotation"] = built / runs / n * 1e6;
    state.counters["baseline_us/annotation"] = baseline / runs / n * 1e6;
    state.counters["ratio"] = built / baseline;
    state.counters["us/finish"] = finishing / n * 1e6;
    // The k-th finish lists k annotations: n (n + 1) / 2 in all.
    state.counters["ns/listed"] = finishing / (n * (n + 1) / 2) * 1e9;
}

BENCHMARK(BM_CreateSetFinish)->Arg(1'000)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateSetFinish)->Arg(10'000)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
