#ifndef SWEXTERNALS_DESKTOP_PLATFORM_DEBPAKKET_H
#define SWEXTERNALS_DESKTOP_PLATFORM_DEBPAKKET_H

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <wx/string.h>

// What a Debian package says of itself in its control data, as dpkg-deb
// reads it: the update check's installer is such a package where the
// original platform had its own installer format.
class DebPakket
{
public:
    struct Gegevens
    {
        std::string naam;
        std::string versie;
    };

    DebPakket() = delete;

    // The package's name and version (the system's /usr/bin/dpkg-deb -f).
    // Nothing when dpkg-deb is not there, fails, takes longer than
    // `tijdslimiet`, or `gestopt` says stop (asked every tenth of a second);
    // it is then ended together with whatever it started.
    static std::optional<Gegevens> leesGegevens(const wxString& pakket, std::chrono::milliseconds tijdslimiet,
                                                const std::function<bool()>& gestopt);

    // Tests put a stand-in for dpkg-deb here (a full path); the previous one
    // is returned.
    static std::string zetProgramma(std::string programma);
};

#endif
