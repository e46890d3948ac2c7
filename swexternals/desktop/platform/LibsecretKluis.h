#ifndef SWEXTERNALS_DESKTOP_PLATFORM_LIBSECRETKLUIS_H
#define SWEXTERNALS_DESKTOP_PLATFORM_LIBSECRETKLUIS_H

#include "swexternals/desktop/platform/WachtwoordKluis.h"

// The Secret Service of the user's session (GNOME Keyring, KWallet and the
// like) over D-Bus, through libsecret. A password is an item of the default
// collection with the attributes "dienst" and "gebruiker". The store counts
// as reachable when the session bus answers and the service runs or can be
// started on demand. GUI thread only; each call waits for the service.
class LibsecretKluis : public WachtwoordKluis
{
public:
    Staat geefStaat() override;
    wxString geefFout() const override;
    [[nodiscard]] bool bewaar(const wxString& dienst, const wxString& gebruiker, const wxString& wachtwoord) override;
    [[nodiscard]] bool laad(const wxString& dienst, wxString& wachtwoord) override;
    [[nodiscard]] bool verwijder(const wxString& dienst) override;

private:
    wxString fout;
};

#endif
