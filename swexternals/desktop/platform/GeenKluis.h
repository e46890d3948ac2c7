#ifndef SWEXTERNALS_DESKTOP_PLATFORM_GEENKLUIS_H
#define SWEXTERNALS_DESKTOP_PLATFORM_GEENKLUIS_H

#include "swexternals/desktop/platform/WachtwoordKluis.h"

// No password store: a build without the Secret Service. Nothing is ever
// kept, and the user is told so.
class GeenKluis : public WachtwoordKluis
{
public:
    Staat geefStaat() override;
    wxString geefFout() const override;
    [[nodiscard]] bool bewaar(const wxString& dienst, const wxString& gebruiker, const wxString& wachtwoord) override;
    [[nodiscard]] bool laad(const wxString& dienst, wxString& wachtwoord) override;
    [[nodiscard]] bool verwijder(const wxString& dienst) override;
};

#endif
