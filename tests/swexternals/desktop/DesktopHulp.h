#ifndef TESTS_SWEXTERNALS_DESKTOP_DESKTOPHULP_H
#define TESTS_SWEXTERNALS_DESKTOP_DESKTOPHULP_H

// What the desktop library's tests share, with and without a display.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/TrivaneWxConfig.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <wx/image.h>

// An application without windows, as the library's users derive it.
class BasisApp : public DesktopAppBasis
{
public:
    explicit BasisApp(const wxString& naam = "VerelTamso") : DesktopAppBasis(naam, "vtd") {}
    void zetTaal(wxLanguage nieuweTaal) override { EXPECT_EQ(zetLokaliteit(nieuweTaal, true), 0); }
    bool isGUIApplikatie() const override { return false; }
};

inline wxString alsWx(const std::filesystem::path& pad)
{
    return wxString::FromUTF8(pad.string());
}

// A file's bytes, as another program reads them.
inline std::string leesTekst(const std::filesystem::path& pad)
{
    std::stringstream inhoud;
    inhoud << std::ifstream(pad, std::ios::binary).rdbuf();
    return inhoud.str();
}

// The per-user configuration file through the library's wrapper.
inline std::unique_ptr<TrivaneWxConfig> openKonfig()
{
    return std::make_unique<TrivaneWxConfig>("VerelTamso", "Trivane Embedded Systemen", wxString());
}

inline std::string konfigInhoud()
{
    return leesTekst(testMap() / ".VerelTamso");
}

// A picture with a colour per column, so that encoding and scaling have
// something to keep.
inline wxImage maakBeeld(int breedte, int hoogte, wxBitmapType type = wxBITMAP_TYPE_PNG)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxInitAllImageHandlers();
    wxImage beeld(breedte, hoogte);
    for (int x = 0; x < breedte; ++x)
        beeld.SetRGB(wxRect(x, 0, 1, hoogte), static_cast<unsigned char>(x * 7), 40, 90);
    beeld.SetType(type);
    return beeld;
}

#endif
