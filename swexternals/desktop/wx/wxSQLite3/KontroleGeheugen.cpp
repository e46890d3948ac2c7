#include "swexternals/desktop/wx/wxSQLite3/KontroleGeheugen.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace
{
const wxString bestandsNaam = "gaaf-gekontroleerd";
// Eight lines of a path and what identified its file take a few kilobytes:
// a larger file is not the program's own, and is not read.
constexpr off_t grootste = 64 * 1024;
} // namespace

KontroleGeheugen::KontroleGeheugen(const wxString& appNaam)
    : bestand(wxFileName(wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Cache) + "/" + appNaam, bestandsNaam)
                  .GetFullPath())
{
}

// One file a line: what identified it, a tab, its absolute path, the end of
// the line. Only whole lines count: a write cut short leaves one without
// its end, or none. Only a file of the program's own kind is read: not
// through a link, not a pipe or a device that would keep the opening
// waiting, not one larger than the memory can be.
KontroleGeheugen::Regels KontroleGeheugen::lees() const
{
    Regels regels;
    const int invoer = open(bestand.fn_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (invoer < 0)
        return regels;
    std::string inhoud;
    struct stat info;
    if (fstat(invoer, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= grootste)
    {
        char blok[4096];
        ssize_t gelezen = 0;
        while (inhoud.size() <= static_cast<size_t>(grootste) && (gelezen = read(invoer, blok, sizeof blok)) > 0)
            inhoud.append(blok, static_cast<size_t>(gelezen));
    }
    close(invoer);
    size_t begin = 0;
    for (size_t einde = inhoud.find('\n'); einde != std::string::npos && regels.size() < meeste;
         begin = einde + 1, einde = inhoud.find('\n', begin))
    {
        const size_t tab = inhoud.find('\t', begin);
        if (tab > begin && tab < einde)
            regels.emplace_back(wxString::FromUTF8(inhoud.data() + tab + 1, einde - tab - 1),
                                wxString::FromUTF8(inhoud.data() + begin, tab - begin));
    }
    return regels;
}

// A new file beside it, renamed over it: whatever lies at its name (a link
// to a user's document, a pipe) is replaced, never written through, and a
// reader finds the list before or after, whole.
bool KontroleGeheugen::schrijf(const Regels& regels) const
{
    const wxFileName naam(bestand);
    {
        const wxLogNull stil;
        if (!naam.DirExists() && !wxFileName::Mkdir(naam.GetPath(), 0700, wxPATH_MKDIR_FULL))
            return false;
    }
    std::string inhoud;
    for (const auto& [pad, kenmerk] : regels)
        inhoud += kenmerk.utf8_string() + '\t' + pad.utf8_string() + '\n';
    const std::string doel(bestand.fn_str());
    std::string nieuw = doel + ".XXXXXX";
    const int uitvoer = mkostemp(nieuw.data(), O_CLOEXEC);
    if (uitvoer < 0)
        return false;
    const bool geschreven = write(uitvoer, inhoud.data(), inhoud.size()) == static_cast<ssize_t>(inhoud.size());
    if (close(uitvoer) == 0 && geschreven && std::rename(nieuw.c_str(), doel.c_str()) == 0)
        return true;
    unlink(nieuw.c_str());
    return false;
}

// Empty for a path that a line cannot hold: such a file is not remembered.
wxString KontroleGeheugen::sleutel(const wxString& pad)
{
    if (pad.find_first_of("\t\n") != wxString::npos)
        return wxString();
    wxFileName naam(pad);
    naam.MakeAbsolute();
    return naam.GetFullPath();
}

bool KontroleGeheugen::isGaaf(const wxString& pad, const wxString& kenmerk) const
{
    if (kenmerk.empty() || sleutel(pad).empty())
        return false;
    const Regels regels = lees();
    return std::find(regels.begin(), regels.end(), std::make_pair(sleutel(pad), kenmerk)) != regels.end();
}

bool KontroleGeheugen::onthoud(const wxString& pad, const wxString& kenmerk) const
{
    const wxString naam = sleutel(pad);
    if (naam.empty())
        return true;
    if (kenmerk.empty())
        return vergeet(pad);
    Regels regels = lees();
    regels.erase(std::remove_if(regels.begin(), regels.end(), [&](const auto& regel) { return regel.first == naam; }),
                 regels.end());
    regels.insert(regels.begin(), {naam, kenmerk});
    if (regels.size() > meeste)
        regels.resize(meeste);
    return schrijf(regels);
}

bool KontroleGeheugen::vergeet(const wxString& pad) const
{
    const wxString naam = sleutel(pad);
    if (naam.empty())
        return true;
    Regels regels = lees();
    const auto weg =
        std::remove_if(regels.begin(), regels.end(), [&](const auto& regel) { return regel.first == naam; });
    if (weg == regels.end())
        return true;
    regels.erase(weg, regels.end());
    return schrijf(regels);
}
