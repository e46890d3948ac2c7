#ifndef SWEXTERNALS_DESKTOP_PROCESLOKALITEIT_H
#define SWEXTERNALS_DESKTOP_PROCESLOKALITEIT_H

#include <string>
#include <wx/language.h>
#include <wx/string.h>

// The locale of the process, following the interface language. The program's
// own texts come from its catalogues whatever the locale, but the toolkit's
// do not: GTK translates its buttons and dialogs (Yes, Cancel, the file,
// colour and print dialogs) by the C locale of the process and by gettext's
// LANGUAGE, which outranks it. So the language's UTF-8 locale is put in place
// for everything (numbers and dates follow the language too) and LANGUAGE
// names the language; LC_ALL names the locale too, as wxWidgets' own date
// controls format by the locale the environment names.
//
// The locale, LANGUAGE and LC_ALL as they were before the first change are put back
// when the object goes.
class ProcesLokaliteit
{
public:
    ProcesLokaliteit();
    ~ProcesLokaliteit();

    ProcesLokaliteit(const ProcesLokaliteit&) = delete;
    ProcesLokaliteit& operator=(const ProcesLokaliteit&) = delete;

    // Puts the process into the language's locale. False when the system
    // does not have that locale: the locale stays as it was (LANGUAGE still
    // names the language, which gettext heeds under any locale but C), and
    // the log says, the first time only, how to add it.
    bool zet(wxLanguage taal);
    // The same with the name of the locale to put in place given (LANGUAGE
    // still follows the language).
    bool zet(wxLanguage taal, const wxString& localeNaam);

    // "de_DE.UTF-8" for German; the source texts' English is American. Empty
    // for a language wxWidgets does not know.
    static wxString geefLocaleNaam(wxLanguage taal);

    // The report of a missing locale, in the language of the moment it was
    // made; empty while none was missing.
    const wxString& geefMelding() const { return melding; }

private:
    void bewaarVorige();
    void meldOntbrekend(const wxString& localeNaam);

    bool bewaard;
    std::string vorigeLocale;
    bool hadLanguage;
    std::string vorigeLanguage;
    bool hadLcAll;
    std::string vorigeLcAll;
    bool gemeld;
    wxString melding;
};

#endif
