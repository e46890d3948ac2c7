#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_VERSLAGBLOK_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_VERSLAGBLOK_H

#include <cstddef>

// Bytes written one after the other, up to a limit, that never move: the
// system reserves room for the whole limit at the first byte and backs only
// the pages written, so the block holds in memory what it holds in bytes.
// A growing array would copy itself at each step and hold the old copy
// beside the new one for a moment, twice the memory; and what it gave back
// would stay with the allocator, in memory. Given back here, it goes back to
// the system.
class VerslagBlok
{
public:
    VerslagBlok() = default;
    ~VerslagBlok();
    VerslagBlok(const VerslagBlok&) = delete;
    VerslagBlok& operator=(const VerslagBlok&) = delete;
    VerslagBlok(VerslagBlok&& ander) noexcept;
    VerslagBlok& operator=(VerslagBlok&& ander) noexcept;

    // Room for `extra` bytes more within `grens`; false beyond it, or when
    // the system gives no room.
    bool maakRuimte(size_t extra, size_t grens);
    // Within the room made.
    void schrijf(const void* bytes, size_t aantal);
    const unsigned char* geefBegin() const { return begin; }
    size_t geefGrootte() const { return grootte; }
    // Shorter: the pages past the new end go back to the system.
    void kort(size_t nieuweGrootte);
    void geefTerug();

private:
    unsigned char* begin = nullptr;
    size_t gereserveerd = 0;
    size_t grootte = 0;
};

#endif
