#include "toepassing/kern/GeheugenTeruggave.h"

#include <fstream>
#include <unistd.h>
#include <utility>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <wx/event.h>

namespace
{
std::chrono::milliseconds rustTijd{1000};

// Growth below this is not worth the few milliseconds of giving back.
constexpr long margeBytes = 4L * 1024 * 1024;

// Resident pages, as the system counts them; 0 when it does not say. Read
// at every idle event: some microseconds.
long residentPaginas()
{
    long totaal = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> totaal >> resident;
    return resident;
}
} // namespace

GeheugenTeruggave::GeheugenTeruggave(wxEvtHandler& app_) : app(app_)
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
    app.Bind(wxEVT_IDLE, &GeheugenTeruggave::opRust, this);
    wekker.Bind(wxEVT_TIMER, &GeheugenTeruggave::geefTerug, this);
}

GeheugenTeruggave::~GeheugenTeruggave()
{
    wekker.Stop();
    app.Unbind(wxEVT_IDLE, &GeheugenTeruggave::opRust, this);
}

std::chrono::milliseconds GeheugenTeruggave::zetRustTijd(std::chrono::milliseconds nieuw)
{
    return std::exchange(rustTijd, nieuw);
}

// Every idle event ends some work: the quiet moment counts from the last
// one after the process grew.
void GeheugenTeruggave::opRust(wxIdleEvent& gebeurtenis)
{
    gebeurtenis.Skip();
    static const long marge = margeBytes / sysconf(_SC_PAGESIZE);
    if (residentPaginas() > naTeruggave + marge)
        wekker.StartOnce(static_cast<int>(rustTijd.count()));
}

// A few milliseconds, once per quiet moment after work that grew the process.
void GeheugenTeruggave::geefTerug(wxTimerEvent&)
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    naTeruggave = residentPaginas();
}
