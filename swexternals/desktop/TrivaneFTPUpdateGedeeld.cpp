#include "swexternals/desktop/TrivaneFTPUpdateGedeeld.h"

TrivaneFTPUpdateGedeeld::TrivaneFTPUpdateGedeeld() : konditie(0) {}

void TrivaneFTPUpdateGedeeld::meld(const Uitkomst& nieuw)
{
    konditie.zetOpSlot(StandAan);
    uitkomst = nieuw;
    konditie.geefVrij(false);
    konditie.zetOpSlot(StandUit);
}

TrivaneFTPUpdateGedeeld::Uitkomst TrivaneFTPUpdateGedeeld::lees()
{
    konditie.zetOpSlot(StandAan);
    Uitkomst kopie = uitkomst;
    konditie.zetOpSlot(StandUit);
    return kopie;
}
