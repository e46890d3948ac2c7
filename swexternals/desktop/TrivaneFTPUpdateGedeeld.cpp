#include "swexternals/desktop/TrivaneFTPUpdateGedeeld.h"

wxDEFINE_EVENT(EVT_TRIVANE_FTP_UPDATE, wxThreadEvent);

TrivaneFTPUpdateGedeeld::TrivaneFTPUpdateGedeeld(wxEvtHandler* ontvanger) : konditie(0), ontvanger(ontvanger) {}

bool TrivaneFTPUpdateGedeeld::meld(const Uitkomst& nieuw)
{
    bool gelukt = konditie.zetOpSlot(StandAan) == wxMUTEX_NO_ERROR;
    if (gelukt)
    {
        uitkomst = nieuw;
        gelukt = konditie.geefVrij(false) == 0;
        gelukt = konditie.zetOpSlot(StandUit) == wxMUTEX_NO_ERROR && gelukt;
    }
    stuur(Vrijgegeven);
    return gelukt;
}

void TrivaneFTPUpdateGedeeld::meldEinde()
{
    stuur(Beeindigd);
}

void TrivaneFTPUpdateGedeeld::stuur(Gebeurtenis gebeurtenis)
{
    if (ontvanger)
        wxQueueEvent(ontvanger, new wxThreadEvent(EVT_TRIVANE_FTP_UPDATE, gebeurtenis));
}

TrivaneFTPUpdateGedeeld::Uitkomst TrivaneFTPUpdateGedeeld::lees()
{
    Uitkomst kopie;
    kopie.code = kcFout;
    if (konditie.zetOpSlot(StandAan) != wxMUTEX_NO_ERROR)
        return kopie;
    kopie = uitkomst;
    if (konditie.zetOpSlot(StandUit) != wxMUTEX_NO_ERROR)
        kopie.code = kcFout;
    return kopie;
}

void TrivaneFTPUpdateGedeeld::geefMapOver(DesktopPriveMap nieuw)
{
    if (konditie.zetOpSlot(StandAan) != wxMUTEX_NO_ERROR)
        return;
    map = std::move(nieuw);
    static_cast<void>(konditie.zetOpSlot(StandUit));
}

DesktopPriveMap TrivaneFTPUpdateGedeeld::neemMap()
{
    if (konditie.zetOpSlot(StandAan) != wxMUTEX_NO_ERROR)
        return DesktopPriveMap();
    DesktopPriveMap genomen = std::move(map);
    static_cast<void>(konditie.zetOpSlot(StandUit));
    return genomen;
}
