#ifndef SWEXTERNALS_DESKTOP_DESKTOPVALUTA_H
#define SWEXTERNALS_DESKTOP_DESKTOPVALUTA_H

#include <wx/string.h>

class wxFileConfig;

// One currency: a code of 3 characters, a name of at most 48, a symbol of at
// most 5. Stored in project files as its tab text: code, two tabs, name, two
// tabs, symbol, exactly as they stand. The conversion factor is never stored.
class DesktopValuta
{
public:
    // The placeholder currency "ZZZ", "Undefined", "Undef"; never valid.
    DesktopValuta();
    // Reads the tab text as far as it goes; fields it cannot reach stay empty.
    explicit DesktopValuta(const wxString& tabTekst);
    DesktopValuta(const wxString& kode, const wxString& beschrijving, const wxString& symbool, float konversieNaarUSD);

    wxString geefKode() const { return kode; }
    void zetKode(const wxString& nieuw) { kode = nieuw; }
    wxString geefBeschrijving() const { return beschrijving; }
    void zetBeschrijving(const wxString& nieuw) { beschrijving = nieuw; }
    wxString geefSymbool() const { return symbool; }
    void zetSymbool(const wxString& nieuw) { symbool = nieuw; }
    float geefKonversieNaarUSD() const { return konversieNaarUSD; }
    void zetKonversieNaarUSD(float nieuw) { konversieNaarUSD = nieuw; }

    wxString exportTabVersie() const;
    // The symbol as a dialog shows it: the placeholder's in the user's
    // language, where the stored one stays "Undef". The name likewise: a
    // placeholder keeps the name (and, stored by an older version, the
    // symbol) of the language it was written in, and shows those of now. And the tab text with those, as a list line
    // shows the currency.
    wxString geefGetoondSymbool() const;
    wxString geefGetoondeBeschrijving() const;
    wxString geefGetoondeTabVersie() const;
    // A symbol as the user sees it, as it is stored: the placeholder's shown
    // symbol is the placeholder's.
    static wxString alsOpgeslagenSymbool(const wxString& getoond);
    // 0 when read whole and every field is within its length, else 2; each
    // field is kept the moment it is cut out, so a bad text fills the
    // fields before the fault.
    [[nodiscard]] int importTabVersie(const wxString& tabTekst);
    bool isGeldig() const;

    [[nodiscard]] int importConfigVersie(wxFileConfig& config, const wxString& groep);
    [[nodiscard]] int exportConfigVersie(wxFileConfig& config, const wxString& groep) const;

private:
    static wxString onbepaaldeBeschrijving();
    [[nodiscard]] static bool snijTotTab(wxString& rest, wxString& veld);
    static wxString beschrijvingSleutel(const wxString& groep, const wxString& kode);

    wxString kode;
    wxString beschrijving;
    wxString symbool;
    float konversieNaarUSD;
};

#endif
