#ifndef TESTS_ONDERSTEUNING_HERSTARTOPNEMER_H
#define TESTS_ONDERSTEUNING_HERSTARTOPNEMER_H

#include "swexternals/desktop/platform/Platform.h"

#include <memory>
#include <vector>
#include <wx/fileconf.h>

// Records the program's relaunches instead of starting anything, with its
// settings file as the new instance would have found it at that moment.
// Put in place for its own lifetime.
class HerstartOpnemer
{
public:
    explicit HerstartOpnemer(const wxString& appNaam = "VerelTamso");
    ~HerstartOpnemer();

    const std::vector<wxString>& geefProgrammas() const { return m_programmas; }
    // Only after a relaunch.
    wxFileConfig& geefKonfigBijStart() const { return *m_konfigBijStart; }

private:
    wxString m_appNaam;
    Platform::Starter m_vorige;
    std::vector<wxString> m_programmas;
    std::unique_ptr<wxFileConfig> m_konfigBijStart;
};

#endif
