#include "swexternals/desktop/ProcesLokaliteit.h"

#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"

#include <clocale>
#include <cstdlib>
#include <wx/intl.h>
#include <wx/uilocale.h>

namespace
{
const char* const languageVariabele = "LANGUAGE";
const char* const lcAllVariabele = "LC_ALL";

void zetOfWis(const char* variabele, bool had, const std::string& waarde)
{
    if (had)
        setenv(variabele, waarde.c_str(), 1);
    else
        unsetenv(variabele);
}

// wxWidgets formats dates in its controls (the date pickers) by its own
// current locale, which it takes only from the environment: LC_ALL names
// the language's locale, for it and for the programs this one starts.
void volgOmgeving()
{
    wxUILocale::UseDefault();
}

// "de_DE.UTF-8" gives "de_DE:de": the region's texts first, then the
// language's.
std::string alsLanguage(const wxString& localeNaam)
{
    const wxString regio = localeNaam.BeforeFirst('.');
    const wxString taal = regio.BeforeFirst('_');
    return (regio == taal ? regio : regio + ":" + taal).ToStdString();
}
} // namespace

ProcesLokaliteit::ProcesLokaliteit() : bewaard(false), hadLanguage(false), hadLcAll(false), gemeld(false) {}

ProcesLokaliteit::~ProcesLokaliteit()
{
    if (!bewaard)
        return;
    zetOfWis(lcAllVariabele, hadLcAll, vorigeLcAll);
    zetOfWis(languageVariabele, hadLanguage, vorigeLanguage);
    volgOmgeving();
    std::setlocale(LC_ALL, vorigeLocale.c_str());
}

// What the process had before the first change, to be put back.
void ProcesLokaliteit::bewaarVorige()
{
    if (bewaard)
        return;
    bewaard = true;
    const char* locale = std::setlocale(LC_ALL, nullptr);
    vorigeLocale = locale ? locale : "C";
    const char* language = std::getenv(languageVariabele);
    hadLanguage = language != nullptr;
    vorigeLanguage = language ? language : "";
    const char* lcAll = std::getenv(lcAllVariabele);
    hadLcAll = lcAll != nullptr;
    vorigeLcAll = lcAll ? lcAll : "";
}

wxString ProcesLokaliteit::geefLocaleNaam(wxLanguage taal)
{
    if (taal == wxLANGUAGE_ENGLISH || taal == wxLANGUAGE_ENGLISH_US)
        return "en_US.UTF-8";
    const wxLanguageInfo* info = wxLocale::GetLanguageInfo(taal);
    if (!info)
        return wxString();
    // "de" names no locale; its reference "de_DE" does.
    const wxString naam = info->CanonicalRef.empty() ? info->CanonicalName : info->CanonicalRef;
    return naam.empty() ? wxString() : naam + ".UTF-8";
}

bool ProcesLokaliteit::zet(wxLanguage taal)
{
    return zet(taal, geefLocaleNaam(taal));
}

bool ProcesLokaliteit::zet(wxLanguage taal, const wxString& localeNaam)
{
    const wxString eigenNaam = geefLocaleNaam(taal);
    if (eigenNaam.empty() || localeNaam.empty())
        return false;
    bewaarVorige();
    setenv(languageVariabele, alsLanguage(eigenNaam).c_str(), 1);
    if (std::setlocale(LC_ALL, localeNaam.utf8_str()))
    {
        setenv(lcAllVariabele, localeNaam.utf8_str(), 1);
        volgOmgeving();
        return true;
    }
    meldOntbrekend(localeNaam);
    return false;
}

// Once: a language that is tried again (the start-up's fallback) does not
// repeat it.
void ProcesLokaliteit::meldOntbrekend(const wxString& localeNaam)
{
    if (gemeld)
        return;
    gemeld = true;
    const wxString& vr = DesktopAppBasis::vr;
    const wxString opdracht = "sudo sh -c 'echo \"" + localeNaam + " UTF-8\" >> /etc/locale.gen && locale-gen'";
    melding = _("The locale") + DesktopFunkties::dubbeleQuotes(localeNaam, true) +
              _("is not installed on this system.") + vr +
              _("The program shows its own texts in the chosen language, but the buttons and dialogs of the desktop "
                "may show another language.") +
              vr + _("To add the locale, run as administrator:") + vr + opdracht + vr +
              _("Then start the program again.");
    DesktopFunkties::wxWaarschuwingVeilig(melding);
}
