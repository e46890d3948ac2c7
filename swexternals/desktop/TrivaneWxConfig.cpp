#include "swexternals/desktop/TrivaneWxConfig.h"

#include <wx/convauto.h>
#include <wx/font.h>
#include <wx/fontdata.h>

namespace
{
const wxString konfigAangemaakt = "/Statistiek/KonfigAangemaakt";
const wxString fontBeschrijving = "/Font/InheemseBeschrijving";
const wxString fontKodering = "/Kodering";
const wxString fontKleur = "/Kleur";
} // namespace

TrivaneWxConfig::TrivaneWxConfig(const wxString& applikatieNaam, const wxString& leverancierNaam,
                                 const wxString& lokaalBestand)
    : wxFileConfig(applikatieNaam, leverancierNaam, lokaalBestand, wxString(),
                   wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_GLOBAL_FILE, wxConvAuto())
{
    // A file made on an earlier day keeps its date; a new file, or one whose
    // date cannot be read, gets today's.
    const wxDateTime vandaagDatum = vandaag();
    if (leesDatum(konfigAangemaakt) == vandaagDatum)
        bewaarDatum(konfigAangemaakt, vandaagDatum);
}

TrivaneWxConfig::~TrivaneWxConfig() = default;

wxDateTime TrivaneWxConfig::vandaag()
{
    return wxDateTime::Today();
}

wxDateTime TrivaneWxConfig::leesDatum(const wxString& sleutel)
{
    const wxDateTime vandaagDatum = vandaag();
    const wxString tekst = Read(sleutel, vandaagDatum.FormatISODate());
    wxDateTime datum;
    wxString::const_iterator einde;
    if (!datum.ParseDate(tekst, &einde) || !datum.IsValid())
        return vandaagDatum;
    return datum.ResetTime();
}

void TrivaneWxConfig::bewaarDatum(const wxString& sleutel, const wxDateTime& datum)
{
    Write(sleutel, datum.FormatISODate());
}

long TrivaneWxConfig::kodeerKleur(const wxColour& kleur)
{
    return static_cast<long>(kleur.Red()) | static_cast<long>(kleur.Green()) << 8 |
           static_cast<long>(kleur.Blue()) << 16;
}

wxColour TrivaneWxConfig::dekodeerKleur(long waarde)
{
    // Any stored number is taken for its low 24 bits.
    return wxColour(static_cast<unsigned char>(waarde & 255), static_cast<unsigned char>((waarde >> 8) & 255),
                    static_cast<unsigned char>((waarde >> 16) & 255), wxALPHA_OPAQUE);
}

bool TrivaneWxConfig::bewaarKleur(const wxString& sleutel, const wxColour& kleur)
{
    return Write(sleutel, kodeerKleur(kleur));
}

wxColour TrivaneWxConfig::leeskleur(const wxString& sleutel, const wxColour& standaard) const
{
    long waarde = 0;
    Read(sleutel, &waarde, kodeerKleur(standaard));
    return dekodeerKleur(waarde);
}

void TrivaneWxConfig::bewaarFontData(const wxString& sleutel, const wxFontData& fontData)
{
    Write(sleutel + fontBeschrijving, fontData.GetChosenFont().GetNativeFontInfoDesc());
    Write(sleutel + fontKodering, static_cast<long>(fontData.GetEncoding()));
    Write(sleutel + fontKleur, kodeerKleur(fontData.GetColour()));
}

int TrivaneWxConfig::leesFontData(const wxString& sleutel, wxFontData& fontData)
{
    const wxFont begin = fontData.GetInitialFont();
    if (!begin.IsOk())
        return 2;

    const wxString beschrijving = Read(sleutel + fontBeschrijving, begin.GetNativeFontInfoDesc());
    wxFont gekozen;
    if (!gekozen.SetNativeFontInfo(beschrijving))
        return 1;
    fontData.SetChosenFont(gekozen);

    long kodering = 0;
    Read(sleutel + fontKodering, &kodering, static_cast<long>(begin.GetEncoding()));
    fontData.SetEncoding(static_cast<wxFontEncoding>(kodering));

    long kleur = 0;
    Read(sleutel + fontKleur, &kleur, 0L);
    fontData.SetColour(dekodeerKleur(kleur));
    return 0;
}

void TrivaneWxConfig::bewaarBereik(const wxString& sleutel, const BegrensdBereik<float>& bereik)
{
    Write(sleutel + "_min", static_cast<double>(bereik.min));
    Write(sleutel + "_max", static_cast<double>(bereik.max));
}

void TrivaneWxConfig::bewaarBereik(const wxString& sleutel, const BegrensdGetal<float>& getal)
{
    Write(sleutel + "_min", static_cast<double>(getal.min));
    Write(sleutel + "_max", static_cast<double>(getal.max));
    Write(sleutel + "_waarde", static_cast<double>(getal.waarde));
}

float TrivaneWxConfig::leesFloat(const wxString& sleutel, float standaard)
{
    double waarde = 0.0;
    Read(sleutel, &waarde, static_cast<double>(standaard));
    return static_cast<float>(waarde);
}

BegrensdBereik<float> TrivaneWxConfig::leesBereik(const wxString& sleutel, const BegrensdBereik<float>& standaard)
{
    return {leesFloat(sleutel + "_min", standaard.min), leesFloat(sleutel + "_max", standaard.max)};
}

BegrensdGetal<float> TrivaneWxConfig::leesBereik(const wxString& sleutel, const BegrensdGetal<float>& standaard)
{
    BegrensdGetal<float> getal{leesFloat(sleutel + "_min", standaard.min), leesFloat(sleutel + "_max", standaard.max),
                               standaard.waarde};
    getal = leesFloat(sleutel + "_waarde", standaard.waarde);
    return getal;
}
