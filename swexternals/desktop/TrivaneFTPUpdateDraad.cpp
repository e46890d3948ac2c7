#include "swexternals/desktop/TrivaneFTPUpdateDraad.h"

#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"

#include <algorithm>
#include <string>
#include <wx/convauto.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/intl.h>

const wxString TrivaneFTPUpdateDraad::PlatformNaam = "_Linux_x86_64.deb";
const wxString TrivaneFTPUpdateDraad::Arch = "x86_64";
const wxString TrivaneFTPUpdateDraad::productNaam = "VerelTamso";
const wxString TrivaneFTPUpdateDraad::versieBestand = "LaatsteVersie";

namespace
{
// The version file's first line is short; a server that sends more is not
// read further.
const std::size_t maxRegelLengte = 256;
const size_t maxVersieDeelLengte = 9;
} // namespace

TrivaneFTPUpdateDraad::TrivaneFTPUpdateDraad(DesktopApp* app, const TrivaneDesktopFTPLogin& login,
                                             std::shared_ptr<TrivaneFTPUpdateGedeeld> gedeeld,
                                             const wxString& serverMap, const wxString& versie, bool meldFouten)
    : TrivaneDesktopFTPThread(login, gedeeld->geefKonditie(), false), app(app), meldFouten(meldFouten),
      serverMap(serverMap), versie(versie), gedeeld(std::move(gedeeld)),
      tijdelijkeMap(app ? app->geefStdPaden().GetTempDir() : wxFileName::GetTempDir()),
      fase(versie.empty() ? Fase::Zoeken : Fase::Laden)
{
    uitkomst.code = kcOk;
    uitkomst.versie = versie;
}

TrivaneFTPUpdateDraad::~TrivaneFTPUpdateDraad() = default;

wxString TrivaneFTPUpdateDraad::geefEigenVersie()
{
    return DesktopAppBasis::geefVersie(false);
}

wxThread::ExitCode TrivaneFTPUpdateDraad::Entry()
{
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
    verbind(StandUit);
    return nullptr;
}

int TrivaneFTPUpdateDraad::meld(TrivaneCode code)
{
    uitkomst.code = code;
    gedeeld->meld(uitkomst);
    return code;
}

int TrivaneFTPUpdateDraad::zoekUpdate()
{
    uitkomst.code = kcOnbekend;
    if (isGestopt())
        return meld(kcWaarschuwing);
    if (!wisselMap(serverMap))
    {
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
    std::unique_ptr<wxInputStream> stroom = openOverdracht(versieBestand);
    if (!stroom)
        return false;
    std::string bytes;
    const Ontvangst ontvangst =
        ontvang(*stroom,
                [&bytes](const char* data, std::size_t aantal)
                {
                    bytes.append(data, std::min(aantal, maxRegelLengte - bytes.size()));
                    return bytes.size() < maxRegelLengte && bytes.find('\n') == std::string::npos;
                });
    sluitOverdracht(stroom);
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
    DesktopFunkties::wxErrorVeilig(_("FTP : could not find the requested file") +
                                   DesktopFunkties::dubbeleQuotes(installerOpServer, true) + ".");
}

int TrivaneFTPUpdateDraad::bepaalDownloadGrootte()
{
    uitkomst.code = kcOnbekend;
    if (!wisselMap(versieMapOpServer))
    {
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
    const int eigenMeting = vraagGrootte(installerNaam);
    if (eigenMeting < 0)
    {
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
    if (zetPaden() != kcOk || bepaalDownloadGrootte() != kcOk)
        return meld(uitkomst.code);
    // The size and the place on disk are known: the driver may show progress.
    meld(kcOk);
    const int code = haalInstaller();
    if (code == kcOk)
    {
        // From here on the driver looks after the installer and its folder.
        uitkomst.installerMap = installerMap.geefPad();
        installerMap.behoud();
    }
    return meld(static_cast<TrivaneCode>(code));
}

int TrivaneFTPUpdateDraad::haalInstaller()
{
    wxFile bestand;
    if (!installerMap.maakBestand(installerNaam, bestand))
    {
        DesktopFunkties::wxErrorVeilig(_("Error writing the installer to disk."));
        return kcFout;
    }
    std::unique_ptr<wxInputStream> stroom = openOverdracht(installerOpServer);
    if (!stroom)
    {
        DesktopFunkties::wxErrorVeilig(_("The application installer could not be retrieved from the server."));
        return kcFout;
    }
    const std::uint64_t verwacht = uitkomst.grootte;
    std::uint64_t ontvangen = 0;
    bool teVeel = false;
    bool schrijfFout = false;
    const Ontvangst ontvangst = ontvang(*stroom,
                                        [&](const char* data, std::size_t aantal)
                                        {
                                            // More than announced is never written.
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
    sluitOverdracht(stroom);
    const bool gesloten = bestand.Close();
    switch (ontvangst)
    {
    case Ontvangst::Gestopt:
        return kcWaarschuwing;
    case Ontvangst::Stil:
    case Ontvangst::Onleesbaar:
        DesktopFunkties::wxErrorVeilig(_("The application installer could not be retrieved from the server."));
        return kcFout;
    case Ontvangst::Afgewezen:
    case Ontvangst::Einde:
        break;
    }
    if (schrijfFout || !gesloten)
    {
        DesktopFunkties::wxErrorVeilig(_("Error writing the installer to disk."));
        return kcFout;
    }
    if (teVeel || ontvangen != verwacht)
    {
        DesktopFunkties::wxErrorVeilig(_("FTP : The downloaded file size does not match the original size."));
        return kcOnbekend;
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
