#ifndef TESTS_ONDERSTEUNING_RESIDENTGEHEUGEN_H
#define TESTS_ONDERSTEUNING_RESIDENTGEHEUGEN_H

#include <fstream>
#include <unistd.h>

// What the process holds in memory, as the system counts it: memory that
// went back to the allocator but not to the system still counts.
inline long long geefResidentGeheugen()
{
    long long paginas = 0;
    long long resident = 0;
    std::ifstream("/proc/self/statm") >> paginas >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// The address sanitizer keeps what is freed aside for a while, resident:
// under it the count tells nothing of what a part gives back.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool isResidentGeheugenTeMeten = false;
#else
inline constexpr bool isResidentGeheugenTeMeten = true;
#endif

#endif
