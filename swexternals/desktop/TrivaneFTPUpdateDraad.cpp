#include "swexternals/desktop/TrivaneFTPUpdateDraad.h"

#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/platform/DebPakket.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <sys/statvfs.h>
#include <utility>
#include <wx/convauto.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/intl.h>

const wxString TrivaneFTPUpdateDraad::PlatformNaam = "_Linux_x86_64.deb";
const wxString TrivaneFTPUpdateDraad::Arch = "x86_64";
const wxString TrivaneFTPUpdateDraad::productNaam = "VerelTamso";
const wxString TrivaneFTPUpdateDraad::versieBestand = "LaatsteVersie";
const wxString TrivaneFTPUpdateDraad::handtekeningEinde = ".minisig";
const wxString TrivaneFTPUpdateDraad::pakketNaam = "vereltamso";
const std::uint64_t TrivaneFTPUpdateDraad::maxGrootte = 256ULL * 1024 * 1024;

namespace
{
// The version file's first line is short; a server that sends more is not
// read further.
const std::size_t maxRegelLengte = 256;
const size_t maxVersieDeelLengte = 9;
// A signature file is a few hundred bytes.
const std::size_t maxHandtekeningLengte = 8192;
// dpkg-deb reads the control data at the start of the package: half a
// minute is plenty.
std::chrono::milliseconds& huidigePakketLeesTijd()
{
    static std::chrono::milliseconds tijd = std::chrono::seconds(30);
    return tijd;
}

// Whatever way the worker ends, the driver hears of it last.
class EindMelding
{
public:
    explicit EindMelding(TrivaneFTPUpdateGedeeld& gedeeld) : gedeeld(gedeeld) {}
    ~EindMelding() { gedeeld.meldEinde(); }
    EindMelding(const EindMelding&) = delete;
    EindMelding& operator=(const EindMelding&) = delete;

private:
    TrivaneFTPUpdateGedeeld& gedeeld;
};

std::uint64_t geefVrijeRuimte(const wxString& map)
{
    struct statvfs status
    {
    };
    if (statvfs(static_cast<const char*>(map.fn_str()), &status) != 0)
        return 0;
    return static_cast<std::uint64_t>(status.f_bavail) * status.f_frsize;
}
} // namespace

TrivaneFTPUpdateDraad::TrivaneFTPUpdateDraad(DesktopApp* app, const TrivaneDesktopFTPLogin& login,
                                             std::shared_ptr<TrivaneFTPUpdateGedeeld> gedeeld,
                                             const wxString& serverMap, const wxString& versie, bool meldFouten,
                                             const wxString& publiekeSleutel)
    : TrivaneDesktopFTPThread(login, gedeeld->geefKonditie(), false), meldFouten(meldFouten), serverMap(serverMap),
      versie(versie), gedeeld(std::move(gedeeld)),
      tijdelijkeMap(app ? app->geefStdPaden().GetTempDir() : wxFileName::GetTempDir()), handtekening(publiekeSleutel),
      fase(versie.empty() ? Fase::Zoeken : Fase::Laden)
{
    uitkomst.code = kcOk;
    uitkomst.versie = versie;
}

TrivaneFTPUpdateDraad::~TrivaneFTPUpdateDraad() = default;

std::chrono::milliseconds TrivaneFTPUpdateDraad::zetPakketLeesTijd(std::chrono::milliseconds tijd)
{
    return std::exchange(huidigePakketLeesTijd(), tijd);
}

wxString TrivaneFTPUpdateDraad::geefEigenVersie()
{
    return DesktopAppBasis::geefVersie(false);
}

wxThread::ExitCode TrivaneFTPUpdateDraad::Entry()
{
    const EindMelding eind(*gedeeld);
    // Packages of earlier checks (handed over, or left in the temporary
    // folder) are of no use any more. Here, not on the GUI thread, and
    // before a download of this check makes its own folder there.
    if (fase == Fase::Zoeken)
        DesktopPriveMap::ruimOp(tijdelijkeMap, productNaam);
    const int verbonden = verbind(StandAan);
    if (verbonden != 0)
    {
        meld(static_cast<TrivaneCode>(verbonden));
        return nullptr;
    }
    zetTransferStand();
    if (fase == Fase::Zoeken)
        zoekUpdate();
    else
        laadUpdate();
    // The stage's result went to the driver; closing tells nothing more.
    static_cast<void>(verbind(StandUit));
    return nullptr;
}

int TrivaneFTPUpdateDraad::meld(TrivaneCode code)
{
    uitkomst.code = code;
    // A condition that failed shows in the driver's wait.
    static_cast<void>(gedeeld->meld(uitkomst));
    return code;
}

int TrivaneFTPUpdateDraad::zoekUpdate()
{
    uitkomst.code = kcOnbekend;
    if (isGestopt())
        return meld(kcWaarschuwing);
    if (!wisselMap(serverMap))
    {
        if (isGestopt())
            return meld(kcWaarschuwing);
        if (meldFouten)
            DesktopFunkties::wxErrorVeilig(
                _("Logged on to the update server, but its application directory could not be opened for") +
                DesktopFunkties::spaties(productNaam));
        return meld(kcFout);
    }
    uitkomst.versie.clear();
    wxString regel;
    if (!leesEersteRegel(regel))
    {
        if (isGestopt())
            return meld(kcWaarschuwing);
        meldVersieFout();
        return meld(kcFout);
    }
    const int dubbelePunt = regel.Find(':');
    const wxString gevonden = dubbelePunt == wxNOT_FOUND ? wxString() : regel.Mid(dubbelePunt + 1);
    // What the server sends goes into folder names, file names and commands
    // later: only a plain version passes.
    if (!isGeldigeVersie(gevonden))
    {
        meldVersieFout();
        return meld(kcFout);
    }
    uitkomst.versie = gevonden;
    return meld(vergelijkVersies(gevonden, geefEigenVersie()) > 0 ? kcOk : kcWaarschuwing);
}

void TrivaneFTPUpdateDraad::meldVersieFout() const
{
    if (meldFouten)
        DesktopFunkties::wxErrorVeilig(
            _("The application version information could not be retrieved from the server."));
}

bool TrivaneFTPUpdateDraad::leesEersteRegel(wxString& regel)
{
    if (!openOverdracht(versieBestand))
        return false;
    std::string bytes;
    const Ontvangst ontvangst = ontvang(
        [&bytes](const char* data, std::size_t aantal)
        {
            bytes.append(data, std::min(aantal, maxRegelLengte - bytes.size()));
            return bytes.size() < maxRegelLengte && bytes.find('\n') == std::string::npos;
        });
    // The rest of a longer file is not awaited: the connection is closed
    // after this.
    if (!sluitOverdracht(ontvangst == Ontvangst::Einde) && ontvangst == Ontvangst::Einde)
        return false;
    if (ontvangst != Ontvangst::Einde && ontvangst != Ontvangst::Afgewezen)
        return false;
    wxConvAuto kodering;
    const wxString tekst(bytes.data(), kodering, bytes.size());
    regel = tekst.BeforeFirst('\n');
    if (regel.EndsWith("\r"))
        regel.RemoveLast();
    return true;
}

bool TrivaneFTPUpdateDraad::isGeldigeVersie(const wxString& versie)
{
    return !leesVersieDelen(versie).empty();
}

std::vector<unsigned long> TrivaneFTPUpdateDraad::leesVersieDelen(const wxString& versie)
{
    std::vector<unsigned long> delen;
    unsigned long deel = 0;
    size_t cijfers = 0;
    for (const wxUniChar teken : versie)
    {
        if (teken >= '0' && teken <= '9' && cijfers < maxVersieDeelLengte)
        {
            deel = deel * 10 + static_cast<unsigned long>(teken - '0');
            ++cijfers;
        }
        else if (teken == '.' && cijfers > 0)
        {
            delen.push_back(deel);
            deel = 0;
            cijfers = 0;
        }
        else
            return {};
    }
    if (cijfers == 0)
        return {};
    delen.push_back(deel);
    if (delen.size() < 3 || delen.size() > 4)
        return {};
    return delen;
}

int TrivaneFTPUpdateDraad::vergelijkVersies(const wxString& a, const wxString& b)
{
    std::vector<unsigned long> delenA = leesVersieDelen(a);
    std::vector<unsigned long> delenB = leesVersieDelen(b);
    // A fourth part that is missing counts as 0: 1.4.0 is 1.4.0.0.
    delenA.resize(4, 0);
    delenB.resize(4, 0);
    if (delenA < delenB)
        return -1;
    return delenA == delenB ? 0 : 1;
}

int TrivaneFTPUpdateDraad::zetPaden()
{
    uitkomst.code = kcOnbekend;
    if (!isGeldigeVersie(versie))
    {
        meldVersieFout();
        return uitkomst.code = kcFout;
    }
    installerNaam = productNaam + "_" + versie + PlatformNaam;
    const wxFileName opServer(serverMap + "/Versie_" + versie, installerNaam, wxPATH_UNIX);
    installerOpServer = opServer.GetFullPath(wxPATH_UNIX);
    versieMapOpServer = opServer.GetPath(wxPATH_GET_VOLUME, wxPATH_UNIX);
    if (!wisselMap(versieMapOpServer))
    {
        if (!isGestopt())
            meldNietGevonden();
        return uitkomst.code = kcFout;
    }
    installerMap = DesktopPriveMap(tijdelijkeMap, productNaam);
    if (!installerMap.isGeldig())
    {
        DesktopFunkties::wxErrorVeilig(_("Error writing the installer to disk."));
        return uitkomst.code = kcFout;
    }
    uitkomst.installer = installerMap.geefBestand(installerNaam);
    return uitkomst.code = kcOk;
}

void TrivaneFTPUpdateDraad::meldNietGevonden() const
{
    DesktopFunkties::wxErrorVeilig(_("FTP: could not find the requested file") + DesktopAppBasis::sp +
                                   DesktopFunkties::dubbeleQuotes(installerOpServer, false) + ".");
}

int TrivaneFTPUpdateDraad::bepaalDownloadGrootte()
{
    uitkomst.code = kcOnbekend;
    if (!wisselMap(versieMapOpServer))
    {
        if (!isGestopt())
            meldNietGevonden();
        return uitkomst.code = kcFout;
    }
    std::uint64_t grootte = 0;
    wxString antwoord;
    if (stuurOpdracht("size " + installerNaam, antwoord) == '2' && leesGrootte(antwoord, grootte))
    {
        uitkomst.grootte = grootte;
        return uitkomst.code = kcOk;
    }
    const std::int64_t eigenMeting = isGestopt() ? -1 : vraagGrootte(installerNaam);
    if (eigenMeting < 0)
    {
        if (!isGestopt())
            meldNietGevonden();
        return uitkomst.code = kcFout;
    }
    uitkomst.grootte = static_cast<std::uint64_t>(eigenMeting);
    return uitkomst.code = kcOk;
}

bool TrivaneFTPUpdateDraad::leesGrootte(const wxString& antwoord, std::uint64_t& grootte)
{
    // Only the reply that gives a file's size: "213", a blank, the number.
    const wxString voor = "213 ";
    wxString getal;
    if (!antwoord.StartsWith(voor, &getal))
        return false;
    getal.Trim(true);
    if (getal.empty() || getal.length() > 19)
        return false;
    for (const wxUniChar teken : getal)
        if (teken < '0' || teken > '9')
            return false;
    unsigned long long waarde = 0;
    if (!getal.ToULongLong(&waarde))
        return false;
    grootte = waarde;
    return true;
}

int TrivaneFTPUpdateDraad::laadUpdate()
{
    if (isGestopt())
        return meld(kcWaarschuwing);
    // Over plain FTP anybody on the way can announce an older release,
    // signed by the maker, with the faults it is known for: whoever asks,
    // nothing older than this program is fetched.
    if (isGeldigeVersie(versie) && vergelijkVersies(versie, geefEigenVersie()) < 0)
    {
        DesktopFunkties::wxErrorVeilig(
            wxString::Format(_("Version %s is older than the version you are using (%s): it was not downloaded."),
                             versie, geefEigenVersie()));
        return meld(kcFout);
    }
    int code = zetPaden();
    if (code == kcOk)
        code = bepaalDownloadGrootte();
    if (code == kcOk)
        code = controleerGrootte();
    if (code != kcOk)
        return meld(isGestopt() ? kcWaarschuwing : static_cast<TrivaneCode>(code));
    // The size and the place on disk are known: the driver may show progress.
    meld(kcOk);
    code = haalHandtekening();
    if (code == kcOk)
        code = haalInstaller();
    gedeeld->zetOverdrachtKlaar();
    if (code == kcOk)
        code = controleerInstaller();
    if (code != kcOk && isGestopt())
        code = kcWaarschuwing;
    if (code == kcOk)
        // From here on the driver looks after the package and its folder.
        gedeeld->geefMapOver(std::move(installerMap));
    else if (!installerMap.verwijder())
        DesktopFunkties::wxErrorVeilig(_("The downloaded installer could not be removed:") +
                                       DesktopFunkties::dubbeleQuotes(uitkomst.installer, true));
    return meld(static_cast<TrivaneCode>(code));
}

int TrivaneFTPUpdateDraad::controleerGrootte()
{
    if (uitkomst.grootte > maxGrootte)
    {
        DesktopFunkties::wxErrorVeilig(_("The update package is larger than 256 MiB: it was not downloaded."));
        return kcFout;
    }
    // Room for the signature too, which is small.
    if (geefVrijeRuimte(installerMap.geefPad()) < uitkomst.grootte + maxHandtekeningLengte)
    {
        DesktopFunkties::wxErrorVeilig(_("There is not enough free space for the update package in the folder") + " " +
                                       DesktopFunkties::dubbeleQuotes(tijdelijkeMap) + _(": it was not downloaded."));
        return kcFout;
    }
    return kcOk;
}

int TrivaneFTPUpdateDraad::haalKlein(const wxString& pad, std::size_t maxLengte, std::string& inhoud)
{
    inhoud.clear();
    if (!openOverdracht(pad))
        return isGestopt() ? kcWaarschuwing : kcFout;
    const Ontvangst ontvangst = ontvang(
        [&inhoud, maxLengte](const char* data, std::size_t aantal)
        {
            inhoud.append(data, std::min(aantal, maxLengte + 1 - inhoud.size()));
            return inhoud.size() <= maxLengte;
        });
    const bool bevestigd = sluitOverdracht(ontvangst == Ontvangst::Einde);
    if (ontvangst == Ontvangst::Gestopt || isGestopt())
        return kcWaarschuwing;
    return ontvangst == Ontvangst::Einde && bevestigd ? kcOk : kcFout;
}

int TrivaneFTPUpdateDraad::haalHandtekening()
{
    std::string tekst;
    const int gehaald = haalKlein(installerOpServer + handtekeningEinde, maxHandtekeningLengte, tekst);
    if (gehaald == kcWaarschuwing)
        return gehaald;
    if (gehaald != kcOk)
    {
        meldGeweigerd(_("The package has no signature on the server."));
        return kcFout;
    }
    switch (handtekening.lees(tekst))
    {
    case DesktopPakketHandtekening::Oordeel::Goed:
        return kcOk;
    case DesktopPakketHandtekening::Oordeel::GeenSleutel:
        meldGeweigerd(_("This program has no valid key to check updates with."));
        break;
    case DesktopPakketHandtekening::Oordeel::AndereSleutel:
        meldGeweigerd(_("The package was signed with another key than the maker's."));
        break;
    default:
        meldGeweigerd(_("The package's signature is not readable."));
        break;
    }
    return kcFout;
}

void TrivaneFTPUpdateDraad::meldGeweigerd(const wxString& reden) const
{
    DesktopFunkties::wxErrorVeilig(_("The downloaded update was refused and deleted; nothing was installed. Please "
                                     "try again later.") +
                                   DesktopAppBasis::vr + reden);
}

int TrivaneFTPUpdateDraad::haalInstaller()
{
    wxFile bestand;
    if (!installerMap.maakBestand(installerNaam, bestand))
    {
        DesktopFunkties::wxErrorVeilig(_("Error writing the installer to disk."));
        return kcFout;
    }
    if (!openOverdracht(installerOpServer))
    {
        if (isGestopt())
            return kcWaarschuwing;
        DesktopFunkties::wxErrorVeilig(_("The application installer could not be retrieved from the server."));
        return kcFout;
    }
    const std::uint64_t verwacht = uitkomst.grootte;
    std::uint64_t ontvangen = 0;
    bool teVeel = false;
    bool schrijfFout = false;
    const Ontvangst ontvangst = ontvang(
        [&](const char* data, std::size_t aantal)
        {
            // More than announced is never written: the transfer is cut off.
            if (aantal > verwacht - ontvangen)
            {
                teVeel = true;
                return false;
            }
            if (bestand.Write(data, aantal) != aantal)
            {
                schrijfFout = true;
                return false;
            }
            ontvangen += aantal;
            gedeeld->zetOntvangen(ontvangen);
            return true;
        });
    const bool bevestigd = sluitOverdracht(ontvangst == Ontvangst::Einde);
    const bool gesloten = bestand.Close();
    if (ontvangst == Ontvangst::Gestopt || isGestopt())
        return kcWaarschuwing;
    if (schrijfFout || !gesloten)
    {
        DesktopFunkties::wxErrorVeilig(_("Error writing the installer to disk."));
        return kcFout;
    }
    if (teVeel || (ontvangst == Ontvangst::Einde && ontvangen != verwacht))
    {
        DesktopFunkties::wxErrorVeilig(_("FTP: The downloaded file size does not match the original size."));
        return kcOnbekend;
    }
    if (ontvangst != Ontvangst::Einde || !bevestigd)
    {
        DesktopFunkties::wxErrorVeilig(_("The application installer could not be retrieved from the server."));
        return kcFout;
    }
    return kcOk;
}

int TrivaneFTPUpdateDraad::controleerInstaller()
{
    const auto gestopt = [this] { return isGestopt(); };
    switch (handtekening.controleer(uitkomst.installer, installerNaam, versie, gestopt))
    {
    case DesktopPakketHandtekening::Oordeel::Goed:
        break;
    case DesktopPakketHandtekening::Oordeel::Gestopt:
        return kcWaarschuwing;
    case DesktopPakketHandtekening::Oordeel::AnderPakket:
        meldGeweigerd(_("Its signature belongs to another version or another file."));
        return kcFout;
    case DesktopPakketHandtekening::Oordeel::Onbereikbaar:
        meldGeweigerd(_("The downloaded package could not be read."));
        return kcFout;
    default:
        meldGeweigerd(_("Its signature does not match the package: the package was not signed by the maker of this "
                        "program, or it was changed after signing."));
        return kcFout;
    }
    // Signed by the maker: only now is the package itself read.
    const std::optional<DebPakket::Gegevens> gegevens =
        DebPakket::leesGegevens(uitkomst.installer, huidigePakketLeesTijd(), gestopt);
    if (isGestopt())
        return kcWaarschuwing;
    if (!gegevens)
    {
        meldGeweigerd(_("The package's control data could not be read."));
        return kcFout;
    }
    const wxString naam = wxString::FromUTF8(gegevens->naam.c_str());
    const wxString pakketVersie = wxString::FromUTF8(gegevens->versie.c_str());
    if (naam != pakketNaam || pakketVersie != versie)
    {
        meldGeweigerd(wxString::Format(_("The package calls itself %s version %s, not %s version %s."), naam,
                                       pakketVersie, pakketNaam, versie));
        return kcFout;
    }
    return kcOk;
}

wxString TrivaneFTPUpdateDraad::geefBeschikbaarVersieNummer()
{
    return gedeeld->lees().versie;
}

std::uint64_t TrivaneFTPUpdateDraad::geefDownloadGrootte()
{
    return gedeeld->lees().grootte;
}

std::uint64_t TrivaneFTPUpdateDraad::geefHuidigeGrootte() const
{
    return gedeeld->geefOntvangen();
}

wxString TrivaneFTPUpdateDraad::geefOpslagPad()
{
    return gedeeld->lees().installer;
}
