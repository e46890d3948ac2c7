#include "swexternals/desktop/TrivaneFTPUpdateTempo.h"

TrivaneFTPUpdateTempo::TrivaneFTPUpdateTempo(std::chrono::milliseconds venster, std::uint64_t laagsteSnelheid,
                                             Klok::time_point begin)
    : venster(venster), laagsteSnelheid(laagsteSnelheid), metingen{{begin, 0}}
{
}

bool TrivaneFTPUpdateTempo::isTeTraag(Klok::time_point nu, std::uint64_t ontvangen)
{
    metingen.push_back({nu, ontvangen});
    const Klok::time_point grens = nu - venster;
    while (metingen.size() > 1 && metingen[1].tijd <= grens)
        metingen.pop_front();
    const Meting& eerste = metingen.front();
    // Not a whole window yet since the transfer began.
    if (eerste.tijd > grens)
        return false;
    const auto verstreken = std::chrono::duration_cast<std::chrono::milliseconds>(nu - eerste.tijd).count();
    const std::uint64_t gekregen = ontvangen - eerste.ontvangen;
    return gekregen * 1000 < laagsteSnelheid * static_cast<std::uint64_t>(verstreken);
}
