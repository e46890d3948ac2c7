#ifndef SWEXTERNALS_DESKTOP_TRIVANEWXCONFIG_H
#define SWEXTERNALS_DESKTOP_TRIVANEWXCONFIG_H

#include "base/BegrensdBereik.h"
#include "base/BegrensdGetal.h"

#include <wx/colour.h>
#include <wx/datetime.h>
#include <wx/fileconf.h>
#include <wx/string.h>

class wxFontData;

// The application's per-user configuration file, with the stored forms of
// dates (ISO text), colours (R | G<<8 | B<<16), fonts (three entries under the
// owner's key) and bounded ranges (key_min, key_max, key_waarde). Records the
// day the file was first made under "/Statistiek/KonfigAangemaakt".
class TrivaneWxConfig : public wxFileConfig
{
public:
    TrivaneWxConfig(const wxString& applikatieNaam, const wxString& leverancierNaam, const wxString& lokaalBestand);
    ~TrivaneWxConfig() override;

    TrivaneWxConfig(const TrivaneWxConfig&) = delete;
    TrivaneWxConfig& operator=(const TrivaneWxConfig&) = delete;

    // Today (00:00) when the entry is missing or holds no date.
    wxDateTime leesDatum(const wxString& sleutel);
    void bewaarDatum(const wxString& sleutel, const wxDateTime& datum);

    [[nodiscard]] bool bewaarKleur(const wxString& sleutel, const wxColour& kleur);
    wxColour leeskleur(const wxString& sleutel, const wxColour& standaard) const;

    void bewaarFontData(const wxString& sleutel, const wxFontData& fontData);
    // 0 the chosen font, encoding and colour were read; 1 the stored
    // description gives no font (nothing changed); 2 the initial font is not
    // valid (nothing changed).
    [[nodiscard]] int leesFontData(const wxString& sleutel, wxFontData& fontData);

    void bewaarBereik(const wxString& sleutel, const BegrensdBereik<float>& bereik);
    BegrensdBereik<float> leesBereik(const wxString& sleutel, const BegrensdBereik<float>& standaard);
    void bewaarBereik(const wxString& sleutel, const BegrensdGetal<float>& getal);
    // The value comes back within the range read.
    BegrensdGetal<float> leesBereik(const wxString& sleutel, const BegrensdGetal<float>& standaard);

private:
    static wxDateTime vandaag();
    static long kodeerKleur(const wxColour& kleur);
    static wxColour dekodeerKleur(long waarde);
    float leesFloat(const wxString& sleutel, float standaard);
};

#endif
