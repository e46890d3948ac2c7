#ifndef TOEPASSING_KERN_VERELTAMSOFTPUPDATER_H
#define TOEPASSING_KERN_VERELTAMSOFTPUPDATER_H

#include "swexternals/desktop/TrivaneFTPUpdater.h"

class VerelTamsoApp;

// The update check of this program: the desktop library's check, ended by
// the main window's orderly stop once the new version's installer has been
// handed over. Made by the window's command for one check.
class VerelTamsoFTPUpdater : public TrivaneFTPUpdater
{
public:
    VerelTamsoFTPUpdater(VerelTamsoApp* app, const TrivaneDesktopFTPLogin& login, const wxString& serverMap, bool stil,
                         bool meldFouten);

    // The main window's orderly stop: a project in memory is offered for
    // saving first, and the user may keep the program running (false).
    bool stopHoofdProgramma() override;

private:
    VerelTamsoApp* app;
};

#endif
