#include "swexternals/desktop/TrivaneDesktopFTPThread.h"

#include "swexternals/desktop/DesktopFunkties.h"

#include <sstream>
#include <string>
#include <wx/intl.h>

namespace
{
// Sixty seconds, as the usual FTP clients wait, until the owner sets its own.
const unsigned int standaardTijdslimiet = 60;
// A listing of one file is one line.
const std::size_t maxLijstLengte = 8192;

std::string alsTekst(const wxString& tekst)
{
    return std::string(tekst.utf8_str());
}
} // namespace

TrivaneDesktopFTPThread::TrivaneDesktopFTPThread(const TrivaneDesktopFTPLogin& login,
                                                 TrivaneDesktopDraadKonditie& konditie, bool verbindDirect)
    : TrivaneDesktopDraad(wxTHREAD_JOINABLE, nullptr), verbinding(std::make_unique<TrivaneDesktopFTPVerbinding>()),
      login(login), konditie(konditie), tijdslimiet(standaardTijdslimiet)
{
    verbinding->zetTijdslimiet(tijdslimiet);
    if (verbindDirect)
        static_cast<void>(verbind(StandAan));
}

TrivaneDesktopFTPThread::~TrivaneDesktopFTPThread() = default;

void TrivaneDesktopFTPThread::zetTijdslimiet(unsigned int seconden)
{
    tijdslimiet = seconden > 0 ? seconden : 1;
    verbinding->zetTijdslimiet(tijdslimiet);
}

int TrivaneDesktopFTPThread::verbind(Stand stand)
{
    if (stand == StandAan)
    {
        if (verbinding->isVerbonden())
        {
            DesktopFunkties::wxWaarschuwingVeilig(_("FTP: a connection is already active."));
            return 1;
        }
        wxString host;
        unsigned short poort = 0;
        using Uitkomst = TrivaneDesktopFTPVerbinding::Uitkomst;
        Uitkomst uitkomst = Uitkomst::Verbroken;
        if (leesAdres(login.geefURL(), host, poort))
            uitkomst = verbinding->verbind(alsTekst(host), poort);
        if (uitkomst == Uitkomst::Gelukt)
            uitkomst = verbinding->meldAan(alsTekst(login.geefGebruiker()), alsTekst(login.geefWachtwoord()));
        if (uitkomst == Uitkomst::Gelukt)
            return 0;
        verbinding->sluit();
        // A stop is the user's wish, not a failure.
        if (uitkomst == Uitkomst::Gestopt)
            return 1;
        DesktopFunkties::wxErrorVeilig(_("FTP: unable to connect to: ") + login.geefURL());
        return 2;
    }
    if (stand == StandUit)
    {
        if (!verbinding->isVerbonden())
            return 1;
        verbinding->sluit();
        return 5;
    }
    return 5;
}

bool TrivaneDesktopFTPThread::leesAdres(const wxString& adres, wxString& host, unsigned short& poort)
{
    const int dubbelePunt = adres.Find(':', true);
    if (dubbelePunt == wxNOT_FOUND)
    {
        host = adres;
        poort = 0; // the FTP port
        return !host.empty();
    }
    host = adres.Left(dubbelePunt);
    const wxString getal = adres.Mid(dubbelePunt + 1);
    unsigned long waarde = 0;
    if (host.empty() || getal.empty() || getal.length() > 5 || !getal.IsNumber() || !getal.ToULong(&waarde) ||
        waarde == 0 || waarde > 65535)
        return false;
    poort = static_cast<unsigned short>(waarde);
    return true;
}

void TrivaneDesktopFTPThread::stopDownload()
{
    verbinding->stop();
}

void TrivaneDesktopFTPThread::zetTransferStand()
{
    TrivaneDesktopFTPVerbinding::Antwoord antwoord;
    const auto uitkomst = verbinding->stuur(login.geefBinairStand() ? "TYPE I" : "TYPE A", antwoord);
    static_cast<void>(uitkomst);
}

bool TrivaneDesktopFTPThread::wisselMap(const wxString& map)
{
    TrivaneDesktopFTPVerbinding::Antwoord antwoord;
    return verbinding->stuur("CWD " + alsTekst(map), antwoord) == TrivaneDesktopFTPVerbinding::Uitkomst::Gelukt &&
           antwoord.code / 100 == 2;
}

char TrivaneDesktopFTPThread::stuurOpdracht(const wxString& opdracht, wxString& antwoord)
{
    TrivaneDesktopFTPVerbinding::Antwoord gekregen;
    if (verbinding->stuur(alsTekst(opdracht), gekregen) != TrivaneDesktopFTPVerbinding::Uitkomst::Gelukt)
    {
        antwoord.clear();
        return 0;
    }
    antwoord = wxString::FromUTF8(gekregen.tekst.c_str());
    return gekregen.tekst.empty() ? 0 : gekregen.tekst[0];
}

std::int64_t TrivaneDesktopFTPThread::vraagGrootte(const wxString& bestand)
{
    if (verbinding->openOverdracht("LIST " + alsTekst(bestand), login.geefPassiefStand()) !=
        TrivaneDesktopFTPVerbinding::Uitkomst::Gelukt)
        return -1;
    std::string lijst;
    const Ontvangst ontvangst = ontvang(
        [&lijst](const char* data, std::size_t aantal)
        {
            lijst.append(data, aantal);
            return lijst.size() <= maxLijstLengte;
        });
    if (!sluitOverdracht(ontvangst == Ontvangst::Einde) || ontvangst != Ontvangst::Einde)
        return -1;
    // "-rw-r--r-- 1 owner group SIZE month day time name": a plain file's
    // fifth field.
    std::istringstream regels(lijst);
    std::string regel;
    while (std::getline(regels, regel))
    {
        std::istringstream velden(regel);
        std::string rechten, koppelingen, eigenaar, groep, grootte;
        if (!(velden >> rechten >> koppelingen >> eigenaar >> groep >> grootte) || rechten.empty() ||
            rechten[0] != '-' || grootte.empty() || grootte.size() > 18 ||
            grootte.find_first_not_of("0123456789") != std::string::npos)
            continue;
        return std::stoll(grootte);
    }
    return -1;
}

bool TrivaneDesktopFTPThread::openOverdracht(const wxString& pad)
{
    return verbinding->openOverdracht("RETR " + alsTekst(pad), login.geefPassiefStand()) ==
           TrivaneDesktopFTPVerbinding::Uitkomst::Gelukt;
}

bool TrivaneDesktopFTPThread::sluitOverdracht(bool heelGelezen)
{
    return verbinding->sluitOverdracht(heelGelezen) == TrivaneDesktopFTPVerbinding::Uitkomst::Gelukt;
}

TrivaneDesktopFTPThread::Ontvangst
TrivaneDesktopFTPThread::ontvang(const TrivaneDesktopFTPVerbinding::Verwerker& verwerk)
{
    using Uitkomst = TrivaneDesktopFTPVerbinding::Uitkomst;
    switch (verbinding->ontvang(verwerk))
    {
    case Uitkomst::Gelukt:
        return Ontvangst::Einde;
    case Uitkomst::Gestopt:
        return Ontvangst::Gestopt;
    case Uitkomst::TeLaat:
        return Ontvangst::Stil;
    case Uitkomst::Geweigerd:
        return Ontvangst::Afgewezen;
    case Uitkomst::Verbroken:
        break;
    }
    return Ontvangst::Verbroken;
}
