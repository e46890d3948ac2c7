#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEDRAAD_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEDRAAD_H

#include "swexternals/desktop/DesktopPakketHandtekening.h"
#include "swexternals/desktop/DesktopPriveMap.h"
#include "swexternals/desktop/TrivaneDesktopFTPThread.h"
#include "swexternals/desktop/TrivaneFTPUpdateGedeeld.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include <wx/string.h>

class DesktopApp;

// The worker of the online update check. It runs one stage against the
// update server over its own connection: the search reads the newest version
// the server offers and compares it with the program's own; the download
// fetches that version's package and its signature into a private temporary
// folder and checks them. It hands its results to the driver through the
// block they share and releases the driver once per result (the download
// twice: when the size is known and when the package has been checked), and
// says so by an event each time.
//
// Whatever the server sends is checked before it is used: the version must
// be digits and dots before it goes into a path, a name or a command; the
// package must arrive with exactly the size the server announced (at most
// maxGrootte, and what the private folder has room for), carry the maker's
// signature naming this version and this file, and name itself vereltamso of
// this version. Anything else is refused and removed.
class TrivaneFTPUpdateDraad : public TrivaneDesktopFTPThread
{
public:
    // The ending of the installer's name, after the product and the version.
    static const wxString PlatformNaam;
    static const wxString Arch;
    static const wxString productNaam;
    static const wxString versieBestand;
    // The ending of the signature's name, after the package's.
    static const wxString handtekeningEinde;
    // The package's name in its control data.
    static const wxString pakketNaam;
    // The largest package that is downloaded: 256 MiB.
    static const std::uint64_t maxGrootte;

    // An empty version makes a search worker, any other a download worker
    // for that version. `publiekeSleutel`: the maker's key, against which
    // the package's signature is checked.
    TrivaneFTPUpdateDraad(DesktopApp* app, const TrivaneDesktopFTPLogin& login,
                          std::shared_ptr<TrivaneFTPUpdateGedeeld> gedeeld, const wxString& serverMap,
                          const wxString& versie, bool meldFouten, const wxString& publiekeSleutel);
    ~TrivaneFTPUpdateDraad() override;

    // Search: 0 the server offers a newer version, 1 it does not (or the
    // search was stopped), 2 failed.
    int zoekUpdate();
    // Download: 0 done and checked, 1 stopped, 2 failed or refused (also a
    // version older than this program's), 5 the package's size is not the
    // announced one.
    int laadUpdate();
    // The installer's names on the server and on disk, and its private
    // folder: 0, or 2 when the version's folder or the private one is not
    // there.
    int zetPaden();
    // The installer's size from the server: 0, or 2 when it has none.
    int bepaalDownloadGrootte();

    wxString geefBeschikbaarVersieNummer();
    std::uint64_t geefDownloadGrootte();
    // What is on disk of the installer so far, while it comes in.
    std::uint64_t geefHuidigeGrootte() const;
    wxString geefOpslagPad();

    // How long dpkg-deb may take to read the package's control data (30 s);
    // it is then ended and the package refused. Tests shorten it; the
    // previous one is returned.
    static std::chrono::milliseconds zetPakketLeesTijd(std::chrono::milliseconds tijd);

    // The version this program is.
    static wxString geefEigenVersie();
    // Below 0, 0 or above 0 as `a` is older than, the same as or newer than
    // `b`, part by part as numbers; both must be plain versions.
    static int vergelijkVersies(const wxString& a, const wxString& b);

protected:
    ExitCode Entry() override;

private:
    enum class Fase
    {
        Zoeken,
        Laden
    };

    // Digits and dots only, three or four parts of at most nine digits.
    static bool isGeldigeVersie(const wxString& versie);
    static std::vector<unsigned long> leesVersieDelen(const wxString& versie);
    static bool leesGrootte(const wxString& antwoord, std::uint64_t& grootte);

    [[nodiscard]] bool leesEersteRegel(wxString& regel);
    // The whole of a small file into memory: 0, 1 stopped, 2 not there or
    // larger than `maxLengte`.
    int haalKlein(const wxString& pad, std::size_t maxLengte, std::string& inhoud);
    int controleerGrootte();
    int haalHandtekening();
    int haalInstaller();
    int controleerInstaller();
    void meldGeweigerd(const wxString& reden) const;
    void meldVersieFout() const;
    void meldNietGevonden() const;
    int meld(TrivaneCode code);

    bool meldFouten;
    wxString serverMap;
    wxString versie;
    std::shared_ptr<TrivaneFTPUpdateGedeeld> gedeeld;
    TrivaneFTPUpdateGedeeld::Uitkomst uitkomst;
    wxString tijdelijkeMap;
    wxString installerNaam;
    wxString installerOpServer;
    wxString versieMapOpServer;
    DesktopPriveMap installerMap;
    DesktopPakketHandtekening handtekening;
    Fase fase;
};

#endif
