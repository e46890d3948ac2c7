#include "swexternals/desktop/TrivaneDesktopFTPLogin.h"

TrivaneDesktopFTPLogin::TrivaneDesktopFTPLogin(const wxString& serverAdres, bool passief, bool binair,
                                               const wxString& gebruiker, const wxString& wachtwoord)
    : serverAdres(serverAdres), gebruiker(gebruiker), wachtwoord(wachtwoord), passief(passief), binair(binair)
{
}
