// The exchange file of one requirement: 22 fields, each between "<<##" and
// "##>>", in the order of the record, as UTF-8 text on one line unless a
// field holds line breaks.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/Requirement.h"

#include <vector>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/txtstrm.h>
#include <wx/wfstream.h>

namespace
{
const wxString beginMarker = "<<##";
const wxString eindMarker = "##>>";
constexpr size_t aantalVelden = 22;

// A text that holds the end marker would cut the file short. Such a text is
// written marked by a leading ESC, after which ESC takes the next character
// literally and every "#" is taken that way, so "##>>" can no longer occur.
// ESC never starts a text of the original format (XML and plain text have no
// use for it), so files without it read exactly as before.
const wxUniChar ontsnapping = 0x1b;

bool moetOntsnappen(const wxString& tekst)
{
    return tekst.Contains(eindMarker) || (!tekst.empty() && tekst[0] == ontsnapping);
}

wxString ontsnap(const wxString& tekst)
{
    if (!moetOntsnappen(tekst))
        return tekst;
    wxString uit(ontsnapping);
    for (wxUniChar teken : tekst)
    {
        if (teken == ontsnapping || teken == '#')
            uit += ontsnapping;
        uit += teken;
    }
    return uit;
}

wxString herstel(const wxString& veld)
{
    if (veld.empty() || veld[0] != ontsnapping)
        return veld;
    wxString uit;
    bool letterlijk = false;
    for (auto it = veld.begin() + 1; it != veld.end(); ++it)
    {
        if (!letterlijk && *it == ontsnapping)
        {
            letterlijk = true;
            continue;
        }
        uit += *it;
        letterlijk = false;
    }
    return uit;
}

wxString datumTekst(const wxDateTime& datum)
{
    return datum.IsValid() ? datum.FormatISODate() : wxString();
}

// A date that does not read as "%Y-%m-%d" leaves the field as it was.
void leesDatum(const wxString& tekst, wxDateTime& datum)
{
    wxDateTime gelezen;
    if (gelezen.ParseISODate(tekst))
        datum = gelezen;
}

std::vector<wxString> maakVelden(const Requirement& rek)
{
    auto getal = [](int waarde) { return DesktopFunkties::print(waarde); };
    return {ontsnap(rek.naam),
            ontsnap(rek.auteur),
            getal(rek.SR),
            ontsnap(rek.versie),
            getal(static_cast<int>(rek.prioriteit)),
            getal(static_cast<int>(rek.totaleKosten)),
            ontsnap(rek.beschrijving),
            ontsnap(rek.implementatie),
            ontsnap(rek.implementatieIngenieur),
            ontsnap(rek.validatie_test),
            ontsnap(rek.testLogboek),
            ontsnap(rek.testIngenieur),
            ontsnap(rek.externeRef),
            ontsnap(rek.kommentaar),
            ontsnap(rek.aftekenaar),
            datumTekst(rek.afgetekendDatum),
            getal(rek.SR_ouder),
            getal(rek.SR_gerelateerd),
            getal(rek.status),
            getal(rek.type),
            getal(rek.funkType),
            datumTekst(rek.datum)};
}

// The whole file with every line end made "\n"; false when it cannot be opened.
bool leesTekst(const wxFileName& bestand, wxString& tekst)
{
    wxLogNull geenMeldingen;
    wxFileInputStream bestandStroom(bestand.GetFullPath());
    if (!bestandStroom.IsOk())
        return false;
    wxTextInputStream tekstStroom(bestandStroom, " \t", wxConvAuto());
    while (!bestandStroom.Eof())
    {
        tekst += tekstStroom.ReadLine();
        tekst += "\n";
    }
    return true;
}

void zetVelden(const wxArrayString& veld, Requirement& rek)
{
    auto getal = [](const wxString& tekst) { return DesktopFunkties::leesSignedInteger(tekst); };
    auto natuurlijk = [](const wxString& tekst) { return DesktopFunkties::leesInteger(tekst); };
    rek.naam = herstel(veld[0]);
    rek.auteur = herstel(veld[1]);
    rek.SR = getal(veld[2]);
    rek.versie = herstel(veld[3]);
    rek.prioriteit = natuurlijk(veld[4]);
    rek.totaleKosten = natuurlijk(veld[5]);
    rek.beschrijving = herstel(veld[6]);
    rek.implementatie = herstel(veld[7]);
    rek.implementatieIngenieur = herstel(veld[8]);
    rek.validatie_test = herstel(veld[9]);
    rek.testLogboek = herstel(veld[10]);
    rek.testIngenieur = herstel(veld[11]);
    rek.externeRef = herstel(veld[12]);
    rek.kommentaar = herstel(veld[13]);
    rek.aftekenaar = herstel(veld[14]);
    leesDatum(veld[15], rek.afgetekendDatum);
    rek.SR_ouder = getal(veld[16]);
    rek.SR_gerelateerd = getal(veld[17]);
    rek.status = static_cast<Requirement::Status>(natuurlijk(veld[18]));
    rek.type = static_cast<Requirement::Type>(natuurlijk(veld[19]));
    rek.funkType = static_cast<Requirement::FunkType>(natuurlijk(veld[20]));
    leesDatum(veld[21], rek.datum);
}
} // namespace

int Requirement::bewaarOpDisk(const wxFileName& bestand) const
{
    // The callers report a failure in their own words.
    wxLogNull geenMeldingen;
    wxFileOutputStream bestandStroom(bestand.GetFullPath());
    if (!bestandStroom.IsOk())
        return 2;
    {
        wxTextOutputStream tekstStroom(bestandStroom, wxEOL_NATIVE, wxConvAuto());
        for (const wxString& veld : maakVelden(*this))
            tekstStroom.WriteString(DesktopFunkties::plaatsMarkers(veld, beginMarker, eindMarker));
        tekstStroom.Flush();
    }
    // A full disk shows only here; a half-written file is not a success.
    if (!bestandStroom.IsOk() || !bestandStroom.Close())
        return 2;
    return 0;
}

int Requirement::leesVanDisk(const wxFileName& bestand)
{
    wxString tekst;
    if (!leesTekst(bestand, tekst))
        return 2;
    const wxArrayString velden = DesktopFunkties::leesVerzamelingMarkers(tekst, 0, beginMarker, eindMarker);
    // Fewer fields than a requirement has is not a requirement: nothing read.
    if (velden.GetCount() < aantalVelden)
        return 2;
    zetVelden(velden, *this);
    return 0;
}
