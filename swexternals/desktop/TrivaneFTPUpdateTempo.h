#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATETEMPO_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATETEMPO_H

#include <chrono>
#include <cstdint>
#include <deque>

// The pace of a transfer over the last stretch of time. A deadline by the
// announced size alone lets a server that announces a large package and
// then sends a byte now and then keep the download going for hours: once
// the transfer has run for a whole window, it must have brought the lowest
// rate over the last window, every time it is asked.
class TrivaneFTPUpdateTempo
{
public:
    using Klok = std::chrono::steady_clock;

    // The transfer begins at `begin` with nothing received.
    TrivaneFTPUpdateTempo(std::chrono::milliseconds venster, std::uint64_t laagsteSnelheid, Klok::time_point begin);

    // At `nu` the transfer has brought `ontvangen` bytes in all. True when
    // it brought less than the lowest rate over the last window.
    [[nodiscard]] bool isTeTraag(Klok::time_point nu, std::uint64_t ontvangen);

private:
    struct Meting
    {
        Klok::time_point tijd;
        std::uint64_t ontvangen;
    };

    std::chrono::milliseconds venster;
    std::uint64_t laagsteSnelheid;
    // The first is the last one taken a whole window ago or earlier.
    std::deque<Meting> metingen;
};

#endif
