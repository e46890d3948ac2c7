#ifndef SWEXTERNALS_DESKTOP_TRIVANEDESKTOPFTPLOGIN_H
#define SWEXTERNALS_DESKTOP_TRIVANEDESKTOPFTPLOGIN_H

#include <wx/string.h>

// What it takes to log on to an FTP server: its address ("host" or
// "host:port"), the user and password, and the transfer switches. A plain
// value; nothing is checked here.
class TrivaneDesktopFTPLogin
{
public:
    TrivaneDesktopFTPLogin(const wxString& serverAdres, bool passief, bool binair, const wxString& gebruiker,
                           const wxString& wachtwoord);

    wxString geefURL() const { return serverAdres; }
    wxString geefGebruiker() const { return gebruiker; }
    wxString geefWachtwoord() const { return wachtwoord; }
    bool geefPassiefStand() const { return passief; }
    bool geefBinairStand() const { return binair; }

private:
    wxString serverAdres;
    wxString gebruiker;
    wxString wachtwoord;
    bool passief;
    bool binair;
};

#endif
