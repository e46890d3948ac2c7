#include "tests/ondersteuning/HerstartOpnemer.h"

#include "tests/ondersteuning/TestOmgeving.h"

HerstartOpnemer::HerstartOpnemer(const wxString& appNaam) : m_appNaam(appNaam)
{
    m_vorige = Platform::zetStarter(
        [this](const wxString& programma)
        {
            m_programmas.push_back(programma);
            m_konfigBijStart = openKonfigBestand(m_appNaam);
            return true;
        });
}

HerstartOpnemer::~HerstartOpnemer()
{
    Platform::zetStarter(m_vorige);
}
