#include "swexternals/desktop/DesktopFunkties.h"

#include "swexternals/desktop/platform/Platform.h"

#include <vector>
#include <wx/dc.h>
#include <wx/filename.h>
#include <wx/font.h>
#include <wx/grid.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/numformatter.h>
#include <wx/txtstrm.h>

const wxString DesktopFunkties::tab = "\t";
const wxString DesktopFunkties::sp = " ";
const wxString DesktopFunkties::vr = "\n";

wxString DesktopFunkties::omring(const wxString& open, const wxString& tekst, const wxString& sluit, bool metSpaties)
{
    const wxString omringd = open + tekst + sluit;
    return metSpaties ? spaties(omringd) : omringd;
}

wxString DesktopFunkties::enkeleQuotes(const wxString& tekst, bool metSpaties)
{
    return omring("'", tekst, "'", metSpaties);
}

wxString DesktopFunkties::eq(const wxString& tekst, bool metSpaties)
{
    return enkeleQuotes(tekst, metSpaties);
}

wxString DesktopFunkties::dubbeleQuotes(const wxString& tekst, bool metSpaties)
{
    return omring("\"", tekst, "\"", metSpaties);
}

wxString DesktopFunkties::dq(const wxString& tekst, bool metSpaties)
{
    return dubbeleQuotes(tekst, metSpaties);
}

wxString DesktopFunkties::haken(const wxString& tekst, bool metSpaties)
{
    return omring("(", tekst, ")", metSpaties);
}

wxString DesktopFunkties::blokhaken(const wxString& tekst, bool metSpaties)
{
    return omring("[", tekst, "]", metSpaties);
}

wxString DesktopFunkties::spaties(const wxString& tekst)
{
    return sp + tekst + sp;
}

wxString DesktopFunkties::plaatsMarkers(const wxString& tekst, const wxString& beginMarker, const wxString& eindMarker)
{
    return beginMarker + tekst + eindMarker;
}

wxString DesktopFunkties::omringMarkers(const wxString& tekst, const wxString& marker)
{
    return marker + tekst + marker;
}

wxArrayString DesktopFunkties::leesVerzamelingMarkers(const wxString& tekst, unsigned long long maxAantal,
                                                      const wxString& beginMarker, const wxString& eindMarker)
{
    wxArrayString velden;
    // An empty marker would be found everywhere and never move the scan on.
    if (tekst.empty() || beginMarker.empty() || eindMarker.empty())
        return velden;

    wxString rest = tekst;
    unsigned long long gevonden = 0;
    while (!rest.empty() && (maxAantal == 0 || gevonden < maxAantal))
    {
        const size_t begin = rest.find(beginMarker);
        if (begin == wxString::npos)
            break;
        rest.erase(0, begin);
        const size_t eind = rest.find(eindMarker, beginMarker.length());
        if (eind == wxString::npos)
            break;
        velden.Add(rest.substr(beginMarker.length(), eind - beginMarker.length()));
        rest.erase(0, eind + eindMarker.length());
        ++gevonden;
    }
    return velden;
}

wxString DesktopFunkties::vrr(unsigned long long aantal)
{
    wxString regels;
    for (unsigned long long i = 0; i < aantal; ++i)
        regels += vr;
    return regels;
}

wxString DesktopFunkties::kommentaar(const wxString& tekst, bool regelKommentaar)
{
    return regelKommentaar ? "// " + tekst : "/* " + tekst + " */";
}

wxString DesktopFunkties::maakWildCard(const wxString& extensie, const wxString& beschrijving)
{
    const wxString patroon = "*." + extensie;
    return beschrijving + haken(patroon, true) + "|" + patroon;
}

wxString DesktopFunkties::printFloatFormaat(unsigned long long decimalen)
{
    return wxString::Format("%%.%lluf", decimalen);
}

wxString DesktopFunkties::print(float waarde, unsigned long long decimalen)
{
    return wxNumberFormatter::ToString(static_cast<double>(waarde), static_cast<int>(decimalen),
                                       wxNumberFormatter::Style_WithThousandsSep);
}

wxString DesktopFunkties::print(int waarde)
{
    return wxString::Format("%d", waarde);
}

wxString DesktopFunkties::print(unsigned int waarde)
{
    return wxString::Format("%u", waarde);
}

float DesktopFunkties::leesFloat(const wxString& tekst, bool& geaccepteerd)
{
    geaccepteerd = true;
    if (tekst.empty())
        return 0.0f;
    double waarde = 0.0;
    if (wxNumberFormatter::FromString(tekst, &waarde))
        return static_cast<float>(waarde);
    wxErrorVeilig(_("Conversion of text") + dubbeleQuotes(tekst, true) + _("to a floating point value failed."));
    geaccepteerd = false;
    return 0.0f;
}

float DesktopFunkties::leesFloat(const wxString& tekst)
{
    bool geaccepteerd = false;
    return leesFloat(tekst, geaccepteerd);
}

bool DesktopFunkties::leesGetal(const wxString& tekst, long long& waarde)
{
    waarde = 0;
    if (tekst.empty())
        return true;
    wxLongLong_t gelezen = 0;
    if (wxNumberFormatter::FromString(tekst, &gelezen))
    {
        waarde = gelezen;
        return true;
    }
    wxErrorVeilig(_("Conversion of text") + dubbeleQuotes(tekst, true) + _("to an integer value failed."));
    return false;
}

unsigned int DesktopFunkties::leesInteger(const wxString& tekst)
{
    long long waarde = 0;
    leesGetal(tekst, waarde);
    // Outside the 32-bit range only the low bits count.
    return static_cast<unsigned int>(waarde);
}

int DesktopFunkties::leesSignedInteger(const wxString& tekst)
{
    long long waarde = 0;
    leesGetal(tekst, waarde);
    return static_cast<int>(static_cast<unsigned int>(waarde));
}

wxSize DesktopFunkties::getTextExtent(const wxDC& dc, const wxString& tekst, const wxFont& font)
{
    wxCoord breedte = 0;
    wxCoord hoogte = 0;
    dc.GetTextExtent(tekst, &breedte, &hoogte, nullptr, nullptr, &font);
    return wxSize(breedte, hoogte);
}

int DesktopFunkties::exporteerGridNaarCSV(const wxGrid& grid, wxMemoryOutputStream& stroom, const wxString& scheiding,
                                          bool metKolomTitels)
{
    wxTextOutputStream tekstStroom(stroom, wxEOL_NATIVE, wxConvUTF8);
    const int kolommen = grid.GetNumberCols();
    if (metKolomTitels)
    {
        wxString regel;
        for (int kolom = 0; kolom < kolommen; ++kolom)
            regel << grid.GetColLabelValue(kolom) << scheiding;
        tekstStroom << regel << vr;
    }
    for (int rij = 0; rij < grid.GetNumberRows(); ++rij)
    {
        wxString regel;
        for (int kolom = 0; kolom < kolommen; ++kolom)
            regel << grid.GetCellValue(rij, kolom) << scheiding;
        tekstStroom << regel << vr;
    }
    tekstStroom.Flush();
    return stroom.Close() ? 0 : 2;
}

wxString DesktopFunkties::maakSchoonPadNaam(const wxString& tekst)
{
    wxString schoon = tekst;
    schoon.Replace(" ", "_");
    schoon.Replace("*", "_star_");
    schoon.Replace("?", "_qm_");
    schoon.Replace("&", "_and_");
    schoon.Replace("%", "_percent_");
    return schoon;
}

wxString DesktopFunkties::maakSchoonPrintNaam(const wxString& tekst)
{
    wxString schoon = tekst;
    schoon.Replace("%", "%%");
    return schoon;
}

wxString DesktopFunkties::mspn(const wxString& tekst)
{
    return maakSchoonPrintNaam(tekst);
}

wxString DesktopFunkties::verwijderNietAlfaNumeriek(const wxString& tekst)
{
    static const std::vector<wxString> leestekens = {"!",  "@",  "#", "$", "%", "^", "&", "*", "(", ")",
                                                     ",",  ".",  "`", "~", "<", ">", "?", "/", ":", ";",
                                                     "\"", "\\", "|", "{", "}", "[", "]", "="};
    wxString schoon = tekst;
    for (const wxString& teken : leestekens)
        schoon.Replace(teken, wxString());
    return schoon;
}

void DesktopFunkties::wxLogVeilig(const wxString&)
{
    // The trace channel: kept as a call site for the database layer, writes nothing.
}

void DesktopFunkties::wxWaarschuwingVeilig(const wxString& tekst)
{
    wxLogWarning(maakSchoonPrintNaam(tekst));
}

void DesktopFunkties::wxErrorVeilig(const wxString& tekst)
{
    wxLogError(maakSchoonPrintNaam(tekst));
}

int DesktopFunkties::openPadInFinder(const wxFileName& pad)
{
    if (!pad.DirExists())
        return 2;
    wxFileName absoluut = pad;
    absoluut.MakeAbsolute();
    return Platform::openInBestandsbeheer(absoluut.GetFullPath()) ? 0 : 2;
}

int DesktopFunkties::toonBestandInFinder(const wxFileName& bestand)
{
    if (!bestand.FileExists())
        return 2;
    wxFileName absoluut = bestand;
    absoluut.MakeAbsolute();
    // No file manager on Linux can be relied on to select a file: show its folder.
    return Platform::openInBestandsbeheer(absoluut.GetPath(wxPATH_GET_VOLUME)) ? 0 : 2;
}
