#ifndef SWEXTERNALS_DESKTOP_PLATFORM_WACHTWOORDKLUIS_H
#define SWEXTERNALS_DESKTOP_PLATFORM_WACHTWOORDKLUIS_H

#include <wx/string.h>

// The operating system's password store, as the original platform's
// keychain served the desktop library: one password per service (the
// application), kept with the user's login. On Linux the back end is the
// Secret Service (a keyring on the session's D-Bus, through libsecret); a
// build without it has none. The application object (DesktopApp) is the one
// user: it asks the user first and reports failures in the user's words.
class WachtwoordKluis
{
public:
    enum class Staat
    {
        ontbreekt,      // this system or build has no store at all
        nietBereikbaar, // there is one, but it cannot be reached now
        bruikbaar
    };

    virtual ~WachtwoordKluis() = default;

    virtual Staat geefStaat() = 0;
    // Why the store cannot be used, for the user's message; empty while it can.
    virtual wxString geefFout() const = 0;
    // Replaces whatever the service had stored.
    [[nodiscard]] virtual bool bewaar(const wxString& dienst, const wxString& gebruiker,
                                      const wxString& wachtwoord) = 0;
    // True when a password of the service was found, and put in `wachtwoord`.
    [[nodiscard]] virtual bool laad(const wxString& dienst, wxString& wachtwoord) = 0;
    // True when the service has no password stored afterwards.
    [[nodiscard]] virtual bool verwijder(const wxString& dienst) = 0;

    // The store in use: the system's, unless another was put in place.
    static WachtwoordKluis& geef();
    // Puts another store in place (tests keep theirs in memory); null
    // restores the system's. Returns the one put in place before (null: the
    // system's); the caller keeps ownership.
    static WachtwoordKluis* zet(WachtwoordKluis* nieuw);
};

#endif
