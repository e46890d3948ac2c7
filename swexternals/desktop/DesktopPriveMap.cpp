#include "swexternals/desktop/DesktopPriveMap.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>
#include <wx/file.h>
#include <wx/filename.h>

namespace
{
std::filesystem::path alsPad(const wxString& pad)
{
    return std::filesystem::path(static_cast<const char*>(pad.fn_str()));
}

// The folder, opened without following a link, and locked for this
// process; -1 when it cannot be had (another run holds it).
int neemSlot(const std::filesystem::path& map)
{
    const int slot = open(map.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (slot >= 0 && flock(slot, LOCK_EX | LOCK_NB) != 0)
    {
        close(slot);
        return -1;
    }
    return slot;
}

// The folder holds only what we put into it; a link in it is removed,
// never followed.
bool verwijderMap(const std::filesystem::path& map)
{
    std::error_code fout;
    std::vector<std::filesystem::path> inhoud;
    for (std::filesystem::directory_iterator deel(map, fout), einde; !fout && deel != einde; deel.increment(fout))
        inhoud.push_back(deel->path());
    for (const std::filesystem::path& bestand : inhoud)
        std::filesystem::remove(bestand, fout);
    std::filesystem::remove(map, fout);
    return !fout;
}

// A folder as the constructor makes it: "<prefix>-" and six characters, a
// real folder (no link) of this user, open to nobody else.
bool isEenVanOns(const std::filesystem::path& map, const std::string& voorvoegsel)
{
    const std::string naam = map.filename().string();
    struct stat status
    {
    };
    return naam.size() == voorvoegsel.size() + 7 && naam.compare(0, voorvoegsel.size() + 1, voorvoegsel + "-") == 0 &&
           lstat(map.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == geteuid() &&
           (status.st_mode & 077) == 0;
}
} // namespace

DesktopPriveMap::DesktopPriveMap(const wxString& ouder, const wxString& voorvoegsel)
{
    std::string sjabloon((wxFileName::DirName(ouder).GetPath(wxPATH_GET_SEPARATOR) + voorvoegsel + "-XXXXXX").fn_str());
    // mkdtemp makes the folder with a new name and mode 0700, or fails.
    if (!mkdtemp(sjabloon.data()))
        return;
    slot = neemSlot(sjabloon);
    pad = wxString(sjabloon.c_str(), *wxConvFileName);
}

DesktopPriveMap::~DesktopPriveMap()
{
    static_cast<void>(verwijder());
}

DesktopPriveMap::DesktopPriveMap(DesktopPriveMap&& ander) noexcept
    : pad(std::exchange(ander.pad, wxString())), slot(std::exchange(ander.slot, -1))
{
}

DesktopPriveMap& DesktopPriveMap::operator=(DesktopPriveMap&& ander) noexcept
{
    if (this != &ander)
    {
        static_cast<void>(verwijder());
        pad = std::exchange(ander.pad, wxString());
        slot = std::exchange(ander.slot, -1);
    }
    return *this;
}

wxString DesktopPriveMap::geefBestand(const wxString& naam) const
{
    return wxFileName(pad, naam).GetFullPath();
}

bool DesktopPriveMap::maakBestand(const wxString& naam, wxFile& bestand) const
{
    // Without overwriting, wxFile creates with O_EXCL: an existing file or a
    // link of that name makes it fail instead of being followed.
    return isGeldig() && bestand.Create(geefBestand(naam), false, wxS_IRUSR | wxS_IWUSR);
}

void DesktopPriveMap::behoud()
{
    pad.clear();
    laatSlotLos();
}

void DesktopPriveMap::laatSlotLos()
{
    if (slot >= 0)
        close(slot);
    slot = -1;
}

bool DesktopPriveMap::verwijder()
{
    if (!isGeldig())
    {
        laatSlotLos();
        return true;
    }
    const bool weg = verwijderMap(alsPad(std::exchange(pad, wxString())));
    laatSlotLos();
    return weg;
}

int DesktopPriveMap::ruimOp(const wxString& ouder, const wxString& voorvoegsel)
{
    const std::string begin(voorvoegsel.fn_str());
    std::error_code fout;
    std::vector<std::filesystem::path> mappen;
    for (std::filesystem::directory_iterator deel(alsPad(ouder), fout), einde; !fout && deel != einde;
         deel.increment(fout))
        if (isEenVanOns(deel->path(), begin))
            mappen.push_back(deel->path());
    int verwijderd = 0;
    for (const std::filesystem::path& map : mappen)
    {
        const int slot = neemSlot(map);
        if (slot < 0)
            continue;
        if (verwijderMap(map))
            ++verwijderd;
        close(slot);
    }
    return verwijderd;
}
