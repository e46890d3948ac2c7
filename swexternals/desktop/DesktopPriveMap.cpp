#include "swexternals/desktop/DesktopPriveMap.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
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
} // namespace

DesktopPriveMap::DesktopPriveMap(const wxString& ouder, const wxString& voorvoegsel)
{
    std::string sjabloon((wxFileName::DirName(ouder).GetPath(wxPATH_GET_SEPARATOR) + voorvoegsel + "-XXXXXX").fn_str());
    // mkdtemp makes the folder with a new name and mode 0700, or fails.
    if (mkdtemp(sjabloon.data()))
        pad = wxString(sjabloon.c_str(), *wxConvFileName);
}

DesktopPriveMap DesktopPriveMap::neemOver(const wxString& map)
{
    DesktopPriveMap overgenomen;
    overgenomen.pad = map;
    return overgenomen;
}

DesktopPriveMap::~DesktopPriveMap()
{
    static_cast<void>(verwijder());
}

DesktopPriveMap::DesktopPriveMap(DesktopPriveMap&& ander) noexcept : pad(std::exchange(ander.pad, wxString())) {}

DesktopPriveMap& DesktopPriveMap::operator=(DesktopPriveMap&& ander) noexcept
{
    if (this != &ander)
    {
        static_cast<void>(verwijder());
        pad = std::exchange(ander.pad, wxString());
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

bool DesktopPriveMap::verwijder()
{
    if (!isGeldig())
        return true;
    const std::filesystem::path map = alsPad(std::exchange(pad, wxString()));
    std::error_code fout;
    // The folder holds only what we put into it; a link in it is removed,
    // never followed.
    std::vector<std::filesystem::path> inhoud;
    for (std::filesystem::directory_iterator deel(map, fout), einde; !fout && deel != einde; deel.increment(fout))
        inhoud.push_back(deel->path());
    for (const std::filesystem::path& bestand : inhoud)
        std::filesystem::remove(bestand, fout);
    std::filesystem::remove(map, fout);
    return !fout;
}
