// The exchange file of one requirement: 22 fields, each between "<<##" and
// "##>>", in the order of the record, as UTF-8 text on one line unless a
// field holds line breaks.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementVeld.h"
#include "toepassing/kern/VervangendBestand.h"

#include <vector>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/txtstrm.h>
#include <wx/wfstream.h>

namespace
{
const wxString beginMarker = "<<##";
const wxString eindMarker = "##>>";
constexpr size_t aantalVelden = RequirementVeld::aantal;

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

// The fields in the order of the file, texts protected against the end
// marker.
std::vector<wxString> maakVelden(const Requirement& rek)
{
    std::vector<wxString> velden;
    for (const RequirementVeld* veld : RequirementVeld::inUitwisselVolgorde())
    {
        const wxString waarde = veld->alsTekst(rek);
        velden.push_back(veld->soort == RequirementVeld::SoortTekst ? ontsnap(waarde) : waarde);
    }
    return velden;
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

void zetVelden(const wxArrayString& velden, Requirement& rek)
{
    for (const RequirementVeld* veld : RequirementVeld::inUitwisselVolgorde())
    {
        const wxString& waarde = velden[veld->uitwisselPlaats];
        veld->zetUitTekst(rek, veld->soort == RequirementVeld::SoortTekst ? herstel(waarde) : waarde);
    }
}
} // namespace

// Written beside the target and put in its place only when whole: an export
// that fails never destroys the file it was to replace.
int Requirement::bewaarOpDisk(const wxFileName& bestand) const
{
    // The callers report a failure in their own words.
    wxLogNull geenMeldingen;
    VervangendBestand nieuw(bestand);
    if (!nieuw.isOpen())
        return 2;
    wxFileOutputStream bestandStroom(nieuw.geefBestand());
    {
        wxTextOutputStream tekstStroom(bestandStroom, wxEOL_NATIVE, wxConvAuto());
        for (const wxString& veld : maakVelden(*this))
            tekstStroom.WriteString(DesktopFunkties::plaatsMarkers(veld, beginMarker, eindMarker));
        tekstStroom.Flush();
    }
    // A full disk shows only here; a half-written file is not a success.
    if (!bestandStroom.IsOk())
        return 2;
    return nieuw.vervang();
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
