#include "swexternals/desktop/DesktopValuta.h"

#include <wx/fileconf.h>
#include <wx/intl.h>

namespace
{
const wxString onbepaaldeKode = "ZZZ";
const wxString onbepaaldSymbool = "Undef";
const wxString scheiding = "\t";
constexpr size_t kodeLengte = 3;
constexpr size_t beschrijvingMax = 48;
constexpr size_t symboolMax = 5;
} // namespace

DesktopValuta::DesktopValuta()
    : kode(onbepaaldeKode), beschrijving(onbepaaldeBeschrijving()), symbool(onbepaaldSymbool), konversieNaarUSD(1.0f)
{
}

DesktopValuta::DesktopValuta(const wxString& tabTekst) : konversieNaarUSD(1.0f)
{
    // A malformed text still gives what could be read; the caller checks isGeldig.
    static_cast<void>(importTabVersie(tabTekst));
}

DesktopValuta::DesktopValuta(const wxString& kode, const wxString& beschrijving, const wxString& symbool,
                             float konversieNaarUSD)
    : kode(kode), beschrijving(beschrijving), symbool(symbool), konversieNaarUSD(konversieNaarUSD)
{
}

wxString DesktopValuta::onbepaaldeBeschrijving()
{
    return _("Undefined");
}

wxString DesktopValuta::exportTabVersie() const
{
    const wxString tweeTabs = scheiding + scheiding;
    return kode + tweeTabs + beschrijving + tweeTabs + symbool;
}

namespace
{
wxString getoondOnbepaaldSymbool()
{
    // TRANSLATORS: The symbol of a currency not yet defined, shown where
    // the user defines it: at most five characters.
    return wxGETTEXT_IN_CONTEXT("currency symbol", "Undef");
}
} // namespace

// A placeholder is never a currency of the user's, whatever symbol an
// older version stored with it: it shows the placeholder's of now.
wxString DesktopValuta::geefGetoondSymbool() const
{
    return kode == onbepaaldeKode || symbool == onbepaaldSymbool ? getoondOnbepaaldSymbool() : symbool;
}

wxString DesktopValuta::geefGetoondeBeschrijving() const
{
    return kode == onbepaaldeKode ? onbepaaldeBeschrijving() : beschrijving;
}

wxString DesktopValuta::geefGetoondeTabVersie() const
{
    return DesktopValuta(kode, geefGetoondeBeschrijving(), geefGetoondSymbool(), konversieNaarUSD).exportTabVersie();
}

wxString DesktopValuta::alsOpgeslagenSymbool(const wxString& getoond)
{
    return getoond == getoondOnbepaaldSymbool() ? onbepaaldSymbool : getoond;
}

// Cuts what stands before the first tab into the field and leaves what
// follows that tab; without a tab the whole rest is the field.
bool DesktopValuta::snijTotTab(wxString& rest, wxString& veld)
{
    const size_t tab = rest.find(scheiding);
    if (tab == wxString::npos)
    {
        veld = rest;
        rest.clear();
        return false;
    }
    veld = rest.substr(0, tab);
    rest = rest.substr(tab + 1);
    return true;
}

int DesktopValuta::importTabVersie(const wxString& tabTekst)
{
    wxString rest = tabTekst;
    if (!snijTotTab(rest, kode) || kode.length() != kodeLengte || !rest.StartsWith(scheiding))
        return 2;
    rest.erase(0, 1);

    if (!snijTotTab(rest, beschrijving) || beschrijving.length() > beschrijvingMax || !rest.StartsWith(scheiding))
        return 2;
    rest.erase(0, 1);

    symbool = rest;
    return symbool.length() <= symboolMax ? 0 : 2;
}

bool DesktopValuta::isGeldig() const
{
    return kode.length() == kodeLengte && beschrijving.length() <= beschrijvingMax && symbool.length() <= symboolMax &&
           kode != onbepaaldeKode && beschrijving != onbepaaldeBeschrijving() && symbool != onbepaaldSymbool;
}

wxString DesktopValuta::beschrijvingSleutel(const wxString& groep, const wxString& kode)
{
    return groep + "/Valuta/" + kode + "Data)";
}

int DesktopValuta::importConfigVersie(wxFileConfig& config, const wxString& groep)
{
    kode = config.Read(groep + "/Valuta/kode", onbepaaldeKode);
    const wxString kodeGroep = beschrijvingSleutel(groep, kode);
    beschrijving = config.Read(kodeGroep + "/beschrijving", onbepaaldeBeschrijving());
    symbool = config.Read(kodeGroep + "/symbool", onbepaaldSymbool);
    return 0;
}

int DesktopValuta::exportConfigVersie(wxFileConfig& config, const wxString& groep) const
{
    const wxString kodeGroep = beschrijvingSleutel(groep, kode);
    config.Write(groep + "/Valuta/kode", kode);
    config.Write(kodeGroep + "/beschrijving", beschrijving);
    config.Write(kodeGroep + "/symbool", symbool);
    return 0;
}
