#include "swexternals/desktop/wx/wxSQLite3/KontroleGeheugen.h"

#include <algorithm>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/tokenzr.h>

namespace
{
const wxString bestandsNaam = "gaaf-gekontroleerd";
} // namespace

KontroleGeheugen::KontroleGeheugen(const wxString& appNaam)
    : bestand(wxFileName(wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Cache) + "/" + appNaam, bestandsNaam)
                  .GetFullPath())
{
}

// One file a line: what identified it, a tab, its absolute path.
KontroleGeheugen::Regels KontroleGeheugen::lees() const
{
    Regels regels;
    wxString inhoud;
    wxFFile invoer;
    {
        const wxLogNull stil;
        if (!wxFileName::FileExists(bestand) || !invoer.Open(bestand, "r") || !invoer.ReadAll(&inhoud))
            return regels;
    }
    wxStringTokenizer lijst(inhoud, "\n", wxTOKEN_STRTOK);
    while (lijst.HasMoreTokens() && regels.size() < meeste)
    {
        const wxString regel = lijst.GetNextToken();
        const int tab = regel.Find('\t');
        if (tab > 0)
            regels.emplace_back(regel.Mid(static_cast<size_t>(tab) + 1), regel.Left(static_cast<size_t>(tab)));
    }
    return regels;
}

bool KontroleGeheugen::schrijf(const Regels& regels) const
{
    const wxLogNull stil;
    const wxFileName naam(bestand);
    if (!naam.DirExists() && !wxFileName::Mkdir(naam.GetPath(), 0700, wxPATH_MKDIR_FULL))
        return false;
    wxString inhoud;
    for (const auto& [pad, kenmerk] : regels)
        inhoud << kenmerk << '\t' << pad << '\n';
    wxTempFFile uitvoer;
    return uitvoer.Open(bestand) && uitvoer.Write(inhoud) && uitvoer.Commit();
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
