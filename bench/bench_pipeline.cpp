// In-process throughput of the whole pipeline (cullsrc::cull) on generated
// realistic programs of a few sizes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>

#include "driver/cull.h"
#include "realistic.h"

namespace {

const std::string& program_of(int64_t bytes) {
    static std::map<int64_t, std::string> cache;
    auto it = cache.find(bytes);
    if (it == cache.end()) it = cache.emplace(bytes, cullsrc_bench::realistic_program(bytes)).first;
    return it->second;
}

void BM_cull_realistic(benchmark::State& state) {
    const std::string& source = program_of(state.range(0));
    for (auto _ : state) {
        std::string console, output;
        int status = cullsrc::cull(source, console, output);
        if (status != 0) {
            state.SkipWithError("the generated program did not parse");
            break;
        }
        benchmark::DoNotOptimize(output.data());
        benchmark::DoNotOptimize(console.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(source.size()));
}

}  // namespace

BENCHMARK(BM_cull_realistic)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
