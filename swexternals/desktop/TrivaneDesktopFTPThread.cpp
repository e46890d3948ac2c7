#include "swexternals/desktop/TrivaneDesktopFTPThread.h"

#include "swexternals/desktop/DesktopFunkties.h"

#include <chrono>
#include <vector>
#include <wx/intl.h>
#include <wx/protocol/ftp.h>
#include <wx/sckstrm.h>
#include <wx/thread.h>

namespace
{
// Sixty seconds, as wxFTP's own default, until the owner sets its own.
const unsigned int standaardTijdslimiet = 60;
// How often a wait for data looks whether a stop was asked.
const long kijkIntervalMs = 100;
const std::size_t stukGrootte = 64 * 1024;

// wxFTP hands out a download as a socket stream. Its socket is needed to
// wait for data in short steps (so a stop is seen at once) and to read what
// has come without waiting for a full buffer, which the stream would do
// without any time limit.
class DataSocket : public wxSocketInputStream
{
public:
    static wxSocketBase* van(wxSocketInputStream& stroom) { return stroom.*(&DataSocket::m_i_socket); }
};
} // namespace

TrivaneDesktopFTPThread::TrivaneDesktopFTPThread(const TrivaneDesktopFTPLogin& login,
                                                 TrivaneDesktopDraadKonditie& konditie, bool verbindDirect)
    : TrivaneDesktopDraad(wxTHREAD_JOINABLE, nullptr), verbinding(std::make_unique<wxFTP>()), login(login),
      konditie(konditie), tijdslimiet(standaardTijdslimiet)
{
    // Made here, used on the worker: blocking calls with their time limit,
    // never the event loop of the thread that made it.
    verbinding->SetFlags(wxSOCKET_BLOCK | wxSOCKET_WAITALL);
    verbinding->SetTimeout(static_cast<long>(tijdslimiet));
    verbinding->SetUser(login.geefGebruiker());
    verbinding->SetPassword(login.geefWachtwoord());
    if (verbindDirect)
        static_cast<void>(verbind(StandAan));
}

TrivaneDesktopFTPThread::~TrivaneDesktopFTPThread() = default;

void TrivaneDesktopFTPThread::zetTijdslimiet(unsigned int seconden)
{
    tijdslimiet = seconden > 0 ? seconden : 1;
    verbinding->SetTimeout(static_cast<long>(tijdslimiet));
}

int TrivaneDesktopFTPThread::verbind(Stand stand) const
{
    if (stand == StandAan)
    {
        if (verbinding->IsConnected())
        {
            DesktopFunkties::wxWaarschuwingVeilig(_("FTP : a connection is already active."));
            return 1;
        }
        wxString host;
        unsigned short poort = 0;
        wxMutexLocker slot(geefLusSlot());
        if (!leesAdres(login.geefURL(), host, poort) || !verbinding->Connect(host, poort))
        {
            DesktopFunkties::wxErrorVeilig(_("FTP : unable to connect to :") + login.geefURL());
            return 2;
        }
        return 0;
    }
    if (stand == StandUit)
    {
        if (!verbinding->IsConnected())
            return 1;
        wxMutexLocker slot(geefLusSlot());
        verbinding->Abort();
        if (!verbinding->Close())
            DesktopFunkties::wxErrorVeilig(_("FTP : unable to close the connection."));
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

wxMutex& TrivaneDesktopFTPThread::geefLusSlot()
{
    static wxMutex slot;
    return slot;
}

void TrivaneDesktopFTPThread::zetTransferStand() const
{
    wxMutexLocker slot(geefLusSlot());
    // A server that refuses the mode refuses the commands after it too, and
    // those are reported.
    if (login.geefBinairStand())
        static_cast<void>(verbinding->SetBinary());
    else
        static_cast<void>(verbinding->SetAscii());
    verbinding->SetPassive(login.geefPassiefStand());
}

bool TrivaneDesktopFTPThread::wisselMap(const wxString& map) const
{
    wxMutexLocker slot(geefLusSlot());
    return verbinding->ChDir(map);
}

char TrivaneDesktopFTPThread::stuurOpdracht(const wxString& opdracht, wxString& antwoord) const
{
    wxMutexLocker slot(geefLusSlot());
    const char code = verbinding->SendCommand(opdracht);
    antwoord = verbinding->GetLastResult();
    return code;
}

int TrivaneDesktopFTPThread::vraagGrootte(const wxString& bestand) const
{
    wxMutexLocker slot(geefLusSlot());
    return verbinding->GetFileSize(bestand);
}

std::unique_ptr<wxInputStream> TrivaneDesktopFTPThread::openOverdracht(const wxString& pad) const
{
    wxMutexLocker slot(geefLusSlot());
    return std::unique_ptr<wxInputStream>(verbinding->GetInputStream(pad));
}

void TrivaneDesktopFTPThread::sluitOverdracht(std::unique_ptr<wxInputStream>& stroom) const
{
    // Deleting the stream reads the server's last reply on the transfer.
    wxMutexLocker slot(geefLusSlot());
    stroom.reset();
}

void TrivaneDesktopFTPThread::stopDownload()
{
    gestopt = true;
}

TrivaneDesktopFTPThread::Ontvangst TrivaneDesktopFTPThread::ontvang(wxInputStream& stroom,
                                                                    const Verwerker& verwerk) const
{
    auto* socketStroom = dynamic_cast<wxSocketInputStream*>(&stroom);
    wxSocketBase* socket = socketStroom ? DataSocket::van(*socketStroom) : nullptr;
    if (!socket)
        return Ontvangst::Onleesbaar;
    {
        wxMutexLocker slot(geefLusSlot());
        socket->SetFlags(wxSOCKET_BLOCK);
    }
    using Klok = std::chrono::steady_clock;
    const auto stilMax = std::chrono::seconds(tijdslimiet);
    auto laatsteData = Klok::now();
    std::vector<char> buffer(stukGrootte);
    for (;;)
    {
        if (gestopt)
            return Ontvangst::Gestopt;
        // Readable also means that the server closed the transfer.
        if (!socket->WaitForRead(0, kijkIntervalMs))
        {
            if (Klok::now() - laatsteData > stilMax)
                return Ontvangst::Stil;
            continue;
        }
        socket->Read(buffer.data(), static_cast<wxUint32>(buffer.size()));
        const std::size_t aantal = socket->LastCount();
        if (aantal == 0)
            return Ontvangst::Einde;
        laatsteData = Klok::now();
        if (!verwerk(buffer.data(), aantal))
            return Ontvangst::Afgewezen;
    }
}
