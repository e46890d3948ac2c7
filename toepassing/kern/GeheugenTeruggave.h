#ifndef TOEPASSING_KERN_GEHEUGENTERUGGAVE_H
#define TOEPASSING_KERN_GEHEUGENTERUGGAVE_H

#include <chrono>
#include <wx/timer.h>

class wxEvtHandler;
class wxIdleEvent;

// A pasted description of megabytes passes through several copies at each
// change: the statement's text, its UTF-8, SQLite's own. By default the C
// library's allocator gives such blocks back to the system when they are
// freed and takes them again at the next change, page by page, which costs
// more than the copies. While the user works it keeps them for reuse (up to
// 64 MiB free at the top of its heap); once the program has been quiet for
// a moment after it grew, what the allocator keeps free goes back to the
// system, so that a burst of work leaves nothing with the program for the
// rest of the session. Listens to the idle events of `app` for its own life.
class GeheugenTeruggave
{
public:
    explicit GeheugenTeruggave(wxEvtHandler& app);
    ~GeheugenTeruggave();

    GeheugenTeruggave(const GeheugenTeruggave&) = delete;
    GeheugenTeruggave& operator=(const GeheugenTeruggave&) = delete;

    // How long the program must be quiet: tests make it 0. Returns the time
    // that held before.
    static std::chrono::milliseconds zetRustTijd(std::chrono::milliseconds nieuw);

private:
    void opRust(wxIdleEvent& gebeurtenis);
    void geefTerug(wxTimerEvent& gebeurtenis);

    wxEvtHandler& app;
    wxTimer wekker;
    // What the process held in memory just after it last gave back, in
    // pages; work that leaves it as it was leaves nothing to give back.
    long naTeruggave = 0;
};

#endif
