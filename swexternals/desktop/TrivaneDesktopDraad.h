#ifndef SWEXTERNALS_DESKTOP_TRIVANEDESKTOPDRAAD_H
#define SWEXTERNALS_DESKTOP_TRIVANEDESKTOPDRAAD_H

#include <wx/thread.h>

// The base of the library's worker threads: a wxThread of the kind its maker
// chooses, with a semaphore its owner may hand along (not owned; nothing in
// the library uses it).
class TrivaneDesktopDraad : public wxThread
{
public:
    TrivaneDesktopDraad(wxThreadKind soort, wxSemaphore* semafoor);
    ~TrivaneDesktopDraad() override;

    TrivaneDesktopDraad(const TrivaneDesktopDraad&) = delete;
    TrivaneDesktopDraad& operator=(const TrivaneDesktopDraad&) = delete;

    wxSemaphore* geefSemafoor() const { return semafoor; }

protected:
    ExitCode Entry() override = 0;

private:
    wxSemaphore* semafoor;
};

#endif
