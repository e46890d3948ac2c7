#ifndef TESTS_SWEXTERNALS_DESKTOP_DESKTOPHULP_H
#define TESTS_SWEXTERNALS_DESKTOP_DESKTOPHULP_H

// What the desktop library's tests share, with and without a display.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/TrivaneWxConfig.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
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

// A stand-in xdg-open in the folder "bin" of the test's folder that writes
// the arguments it was given, one per line in brackets; the folder.
inline std::filesystem::path maakXdgOpen()
{
    const std::filesystem::path bin = testMap() / "bin";
    const std::string verslag = (testMap() / "arguments.txt").string();
    std::filesystem::create_directories(bin);
    std::ofstream(bin / "xdg-open") << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > '" << verslag
                                    << ".tmp'\nmv '" << verslag << ".tmp' '" << verslag << "'\n";
    std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
    return bin;
}

// What the stand-in wrote down once it has run (it runs on its own);
// nothing when it did not within five seconds.
inline std::string xdgOpenArgumenten()
{
    const std::filesystem::path verslag = testMap() / "arguments.txt";
    for (int poging = 0; poging < 500 && !std::filesystem::exists(verslag); ++poging)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return leesTekst(verslag);
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
