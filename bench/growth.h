#pragma once
// How the cost grows with the number of control library modules a window uses (growth_modules.cpp).

#include <benchmark/benchmark.h>

namespace qv::bench
{

// BM_GrowthModules/<modules>, each size freshRuns fresh processes.
void registerGrowthModules(benchmark::IterationCount freshRuns);

inline void registerGrowthBenchmarks(benchmark::IterationCount freshRuns)
{
    registerGrowthModules(freshRuns);
}

} // namespace qv::bench
