#ifndef BENCHMARKS_KERN_BENCHGROOTTEN_H
#define BENCHMARKS_KERN_BENCHGROOTTEN_H

#include <benchmark/benchmark.h>

// The sizes of the seeded projects that the measurements of the store run
// on, the same for each, so that their figures stand side by side.
inline constexpr long grootten[] = {1000, 10000, 100000};

// Each size as an argument, in milliseconds.
inline void grootteArgumenten(benchmark::internal::Benchmark* b)
{
    for (const long aantal : grootten)
        b->Arg(aantal);
    b->Unit(benchmark::kMillisecond);
}

#endif
