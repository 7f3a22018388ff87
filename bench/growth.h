#pragma once
// How the cost grows: with the number of control library modules a window uses (growth_modules.cpp), and
// with its number of controls (growth_controls.cpp).

#include <benchmark/benchmark.h>

namespace qv::bench
{

// BM_GrowthModules/<modules>, each size freshRuns fresh processes.
void registerGrowthModules(benchmark::IterationCount freshRuns);
// BM_GrowthControls/<controls>, in this process.
void registerGrowthControls();

// Registered after the other benchmarks: the largest window leaves this process's resident size higher than
// it found it, which would count in the peak of any benchmark after it.
inline void registerGrowthBenchmarks(benchmark::IterationCount freshRuns)
{
    registerGrowthModules(freshRuns);
    registerGrowthControls();
}

} // namespace qv::bench
