#ifndef TESTS_ONDERSTEUNING_RESIDENTGEHEUGEN_H
#define TESTS_ONDERSTEUNING_RESIDENTGEHEUGEN_H

#include <cstdio>
#include <unistd.h>

// What the process holds in memory, as the system counts it: memory that
// went back to the allocator but not to the system still counts. -1 when
// it cannot be read.
inline long long geefResidentGeheugen()
{
    long long paginas = 0;
    long long resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr)
        return -1;
    const bool gelezen = std::fscanf(statm, "%lld %lld", &paginas, &resident) == 2;
    std::fclose(statm);
    return gelezen ? resident * sysconf(_SC_PAGESIZE) : -1;
}

// The address sanitizer keeps what is freed aside for a while, resident:
// under it the count tells nothing of what a part gives back.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool isResidentGeheugenTeMeten = false;
#else
inline constexpr bool isResidentGeheugenTeMeten = true;
#endif

#endif
