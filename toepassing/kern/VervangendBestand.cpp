#include "toepassing/kern/VervangendBestand.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace
{
// A target given as a link is the file it points to, as a write in place
// would have it.
wxString echtPad(const wxString& pad)
{
    std::unique_ptr<char, decltype(&std::free)> echt(realpath(pad.fn_str(), nullptr), &std::free);
    return echt ? wxString(echt.get(), *wxConvFileName) : pad;
}
} // namespace

VervangendBestand::VervangendBestand(const wxFileName& doel_) : doel(echtPad(doel_.GetFullPath()))
{
    struct stat oud;
    if (stat(doel.fn_str(), &oud) == 0 && (!S_ISREG(oud.st_mode) || !wxFileName::IsFileWritable(doel)))
        return;
    if (!maakTijdelijk())
        return;
    // The new file takes the old one's permissions; a new one those that
    // creating it gave.
    if (stat(doel.fn_str(), &oud) == 0)
        chmod(tijdelijk.fn_str(), oud.st_mode & 07777);
}

VervangendBestand::~VervangendBestand()
{
    if (tijdelijk.empty())
        return;
    bestand.Close();
    wxRemoveFile(tijdelijk);
}

// A name no other writer uses, in the target's folder, so that the rename
// stays on one file system and replaces the target in one step.
bool VervangendBestand::maakTijdelijk()
{
    static unsigned int volgnummer = 0;
    const wxFileName pad(doel);
    for (int poging = 0; poging < 100; ++poging)
    {
        const wxString naam = pad.GetPath(wxPATH_GET_VOLUME | wxPATH_GET_SEPARATOR) + "." + pad.GetFullName() +
                              wxString::Format(".%lu-%u.tmp", wxGetProcessId(), ++volgnummer);
        if (bestand.Create(naam, false, wxS_DEFAULT))
        {
            tijdelijk = naam;
            return true;
        }
        if (!wxFileExists(naam))
            return false;
    }
    return false;
}

int VervangendBestand::vervang()
{
    if (!bestand.IsOpened())
        return 2;
    // Flush puts the data on the disk before the name moves, so a crash
    // cannot leave the target empty.
    const bool geschreven = !bestand.Error() && bestand.Flush() && bestand.Close();
    if (!geschreven || std::rename(tijdelijk.fn_str(), doel.fn_str()) != 0)
        return 2;
    tijdelijk.clear();
    return 0;
}
