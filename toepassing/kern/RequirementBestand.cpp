// The exchange file of one requirement: 22 fields, each between "<<##" and
// "##>>", in the order of the record, as UTF-8 text on one line unless a
// field holds line breaks.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementVeld.h"
#include "toepassing/kern/UitwisselTekst.h"
#include "toepassing/kern/VervangendBestand.h"

#include <string>
#include <vector>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>

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

// What the reader says about a file it refuses; a file that cannot be
// opened the callers report themselves.
void meldGeweigerd(const wxFileName& bestand, UitwisselTekst::Uitkomst uitkomst)
{
    wxString reden;
    switch (uitkomst)
    {
    case UitwisselTekst::OngeldigeTekst:
        reden = _("is not valid text in the encoding it declares (UTF-8 unless its byte-order mark names another).");
        break;
    case UitwisselTekst::NulTeken:
        reden = _("holds a NUL character, which no requirement text can hold.");
        break;
    case UitwisselTekst::TeGroot:
        reden = _("is far larger than any requirement file.");
        break;
    default:
        return;
    }
    DesktopFunkties::wxErrorVeilig(_("The requirement file") +
                                   DesktopFunkties::dubbeleQuotes(bestand.GetFullPath(), true) + reden +
                                   DesktopAppBasis::vr + _("Nothing was read from it."));
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
    wxString tekst;
    for (const wxString& veld : maakVelden(*this))
        tekst += DesktopFunkties::plaatsMarkers(veld, beginMarker, eindMarker);
    // A text that no file can carry would be written cut or garbled, and
    // would not read back: nothing is written then.
    std::string bytes;
    if (!UitwisselTekst::maakBytes(tekst, bytes))
        return 2;
    // A full disk shows here or at the flush; a half-written file is not a
    // success.
    if (nieuw.geefBestand().Write(bytes.data(), bytes.size()) != bytes.size())
        return 2;
    return nieuw.vervang();
}

int Requirement::leesVanDisk(const wxFileName& bestand)
{
    wxString tekst;
    const UitwisselTekst::Uitkomst gelezen = UitwisselTekst::lees(bestand.GetFullPath(), tekst);
    if (gelezen != UitwisselTekst::Gelezen)
    {
        meldGeweigerd(bestand, gelezen);
        return 2;
    }
    const wxArrayString velden = DesktopFunkties::leesVerzamelingMarkers(tekst, 0, beginMarker, eindMarker);
    // Fewer fields than a requirement has is not a requirement: nothing read.
    if (velden.GetCount() < aantalVelden)
        return 2;
    zetVelden(velden, *this);
    return 0;
}
