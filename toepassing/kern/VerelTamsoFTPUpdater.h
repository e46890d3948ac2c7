#ifndef TOEPASSING_KERN_VERELTAMSOFTPUPDATER_H
#define TOEPASSING_KERN_VERELTAMSOFTPUPDATER_H

#include "swexternals/desktop/TrivaneFTPUpdater.h"

class VerelTamsoApp;

// The update check of this program: the desktop library's check with the
// maker's public key, ended by the main window's orderly stop once the new
// version's package has been handed over. Made by the window's command for
// one check.
class VerelTamsoFTPUpdater : public TrivaneFTPUpdater
{
public:
    // The public key of the maker's release key (minisign), whose secret
    // half signs every package put on the update server.
    static const wxString releaseSleutel;

    VerelTamsoFTPUpdater(VerelTamsoApp* app, const TrivaneDesktopFTPLogin& login, const wxString& serverMap, bool stil,
                         bool meldFouten);

    // The key the check trusts: releaseSleutel, unless a test put its own in
    // place (an empty text puts releaseSleutel back). The key that was in
    // place before.
    static wxString zetSleutel(const wxString& sleutel);
    static wxString geefSleutel();

    // The window's close of the project, with its questions: a project in
    // memory is offered for saving first, and the user may keep the program
    // running (false).
    bool bereidStopVoor() override;
    // The main window's orderly stop, the project already closed.
    bool stopHoofdProgramma() override;

private:
    static wxString& huidigeSleutel();

    VerelTamsoApp* app;
};

#endif
