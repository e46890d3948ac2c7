#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEKOPIE_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEKOPIE_H

#include "swexternals/desktop/DesktopGebruikersMappen.h"

#include <atomic>
#include <csignal>
#include <optional>
#include <string>
#include <thread>
#include <vector>
#include <wx/event.h>
#include <wx/string.h>

// Sent to the receiver of a copy when it has ended, however it ended.
wxDECLARE_EVENT(EVT_TRIVANE_FTP_KOPIE, wxThreadEvent);

// A copy of the downloaded package for the user, made on a thread of its
// own: a package of a few hundred megabytes would hold the window while it
// is written. The folders are tried in turn, until one takes the package
// whole. In each the copy is written as a file without a name, which
// nothing outlasts, and gets the package's name only once it is whole, so
// that no folder is ever left with part of a package, under any name: a
// copy that fails (a full disk, a folder that cannot be written) or is
// stopped is gone. Where a disk cannot hold a file without a name, it is
// written under a hidden name that carries the package's
// (TrivaneFTPUpdateRest) and removed when it fails. The end of the session
// (SIGTERM) stops it too, and its owner hears of it to end the program; what
// a program killed outright leaves under a hidden name, ruimOp removes
// later. One copy at a time.
class TrivaneFTPUpdateKopie
{
public:
    struct Fout
    {
        wxString map;
        // The system's error number.
        int nummer;
    };

    struct Uitkomst
    {
        // The copy; empty when no folder took it.
        wxString doel;
        // Why the folders before it did not take it.
        std::vector<Fout> fouten;
        // The program was told to end (SIGTERM) while the copy ran.
        bool beeindigd = false;
    };

    // Starts the copy of `bron`, under its own name, into the first of
    // `mappen` that takes it. With `vervang` a file of that name there is
    // replaced; else the copy gets a number ("-2" and on). `ontvanger` (may
    // be null) gets EVT_TRIVANE_FTP_KOPIE at the end; it must outlive this
    // object.
    TrivaneFTPUpdateKopie(const wxString& bron, const std::vector<wxString>& mappen, bool vervang,
                          wxEvtHandler* ontvanger);
    // The same into the user's download folder, Documents or home, looked up
    // on the copy's own thread, as a share that does not answer may hold
    // whoever looks; a folder that is not there is passed over. A file of
    // the package's name is never replaced.
    TrivaneFTPUpdateKopie(const wxString& bron, const DesktopGebruikersMappen& gebruikersMappen,
                          wxEvtHandler* ontvanger);
    // Stops the copy and waits for it.
    ~TrivaneFTPUpdateKopie();

    TrivaneFTPUpdateKopie(const TrivaneFTPUpdateKopie&) = delete;
    TrivaneFTPUpdateKopie& operator=(const TrivaneFTPUpdateKopie&) = delete;

    // Any thread: the copy ends after the piece it writes, and what it wrote
    // goes. A copy that was whole already stays.
    void stop();
    // Waits until the copy has ended: its outcome.
    Uitkomst wacht();

    // Moves the file `bron` into `map` under its own name, or a number when
    // that is taken: a new name on the same disk, no copy, so it needs no
    // room. Its new path; empty when it could not be moved.
    static wxString verplaats(const wxString& bron, const wxString& map);

    // Removes from `mappen` what copies left there when the program was
    // ended while they wrote (TrivaneFTPUpdateRest). The folders in the
    // system's form. The number removed.
    static int ruimOp(const std::vector<std::string>& mappen);

    // Tests write as on a disk that cannot hold a file without a name. The
    // previous setting is returned.
    static bool zetNaamloosToegestaan(bool toegestaan);

private:
    struct Poging
    {
        std::string map;
        std::string doel;
        int fout = 0;
        // A folder that is not there is passed over, not reported.
        bool alleenAlsErIs = false;
    };

    void start();
    void kopieer();
    bool kopieerNaar(Poging& poging);
    bool schrijfAlles(int bron, int doel, int& fout);
    bool isGestopt() const;
    void herstelBeeindiging();

    std::string bron;
    std::vector<Poging> pogingen;
    // Looked up by the copy, into pogingen.
    std::optional<DesktopGebruikersMappen> gebruikersMappen;
    bool vervang;
    wxEvtHandler* ontvanger;
    std::atomic<bool> gestopt{false};
    // How SIGTERM was handled before the copy, until it is handled so again.
    struct sigaction vorigeBeeindiging
    {
    };
    bool beeindigingOmgeleid = false;
    std::thread draad;
};

#endif
