#include "swexternals/desktop/TrivaneDesktopFTPVerbinding.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <iterator>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
const std::size_t maxRegelLengte = 8192;
const int maxAntwoordRegels = 100;
const std::size_t stukGrootte = 64 * 1024;
const unsigned short ftpPoort = 21;

using Uitkomst = TrivaneDesktopFTPVerbinding::Uitkomst;

// A name lookup cannot be interrupted: it runs on a helper thread that owns
// this together with the connection. A stopped connection leaves the helper
// behind; it finishes on its own and touches nothing else.
struct Opzoeking
{
    std::mutex slot;
    bool klaar = false;
    int fout = 0;
    addrinfo* adressen = nullptr;
    // Readable once the lookup has ended.
    int signaal = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);

    ~Opzoeking()
    {
        if (adressen)
            freeaddrinfo(adressen);
        if (signaal >= 0)
            close(signaal);
    }
};

void zetSignaal(int kanaal)
{
    const std::uint64_t een = 1;
    const ssize_t geschreven = write(kanaal, &een, sizeof een);
    // A counter that is already set stays readable: nothing is lost.
    static_cast<void>(geschreven);
}

// What goes to the server is one line: a name holding a line end would
// smuggle in a command of its own.
bool isEenRegel(const std::string& opdracht)
{
    return opdracht.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

bool isCode(const std::string& regel)
{
    if (regel.size() < 3)
        return false;
    for (std::size_t i = 0; i < 3; ++i)
        if (regel[i] < '0' || regel[i] > '9')
            return false;
    return regel.size() == 3 || regel[3] == ' ' || regel[3] == '-';
}

// "229 Entering Extended Passive Mode (|||6446|)": the port between the
// fourth and the fifth of the same delimiter.
unsigned int leesEpsvPoort(const std::string& tekst)
{
    const std::size_t open = tekst.find('(');
    if (open == std::string::npos || open + 4 >= tekst.size())
        return 0;
    const char scheiding = tekst[open + 1];
    if (tekst[open + 2] != scheiding || tekst[open + 3] != scheiding)
        return 0;
    unsigned int poort = 0;
    std::size_t i = open + 4;
    for (; i < tekst.size() && tekst[i] >= '0' && tekst[i] <= '9' && poort <= 65535; ++i)
        poort = poort * 10 + static_cast<unsigned int>(tekst[i] - '0');
    return i < tekst.size() && tekst[i] == scheiding && poort <= 65535 ? poort : 0;
}

// "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)": only the port is used.
unsigned int leesPasvPoort(const std::string& tekst)
{
    std::vector<unsigned int> getallen;
    std::size_t i = tekst.find_first_of("0123456789", 4);
    while (i != std::string::npos && i < tekst.size() && getallen.size() < 6)
    {
        unsigned int getal = 0;
        std::size_t cijfers = 0;
        for (; i < tekst.size() && tekst[i] >= '0' && tekst[i] <= '9' && cijfers < 4; ++i, ++cijfers)
            getal = getal * 10 + static_cast<unsigned int>(tekst[i] - '0');
        if (getal > 255)
            return 0;
        getallen.push_back(getal);
        if (getallen.size() < 6 && (i >= tekst.size() || tekst[i] != ','))
            return 0;
        ++i;
    }
    return getallen.size() == 6 ? getallen[4] * 256 + getallen[5] : 0;
}

bool zetPoort(sockaddr_storage& adres, unsigned int poort)
{
    if (adres.ss_family == AF_INET)
        reinterpret_cast<sockaddr_in&>(adres).sin_port = htons(static_cast<std::uint16_t>(poort));
    else if (adres.ss_family == AF_INET6)
        reinterpret_cast<sockaddr_in6&>(adres).sin6_port = htons(static_cast<std::uint16_t>(poort));
    else
        return false;
    return true;
}

unsigned int geefPoort(const sockaddr_storage& adres)
{
    if (adres.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(adres).sin_port);
    return ntohs(reinterpret_cast<const sockaddr_in6&>(adres).sin6_port);
}

bool isZelfdeHost(const sockaddr_storage& a, const sockaddr_storage& b)
{
    if (a.ss_family != b.ss_family)
        return false;
    if (a.ss_family == AF_INET)
        return reinterpret_cast<const sockaddr_in&>(a).sin_addr.s_addr ==
               reinterpret_cast<const sockaddr_in&>(b).sin_addr.s_addr;
    const in6_addr& x = reinterpret_cast<const sockaddr_in6&>(a).sin6_addr;
    const in6_addr& y = reinterpret_cast<const sockaddr_in6&>(b).sin6_addr;
    return std::equal(std::begin(x.s6_addr), std::end(x.s6_addr), std::begin(y.s6_addr));
}
} // namespace

TrivaneDesktopFTPVerbinding::TrivaneDesktopFTPVerbinding() : wekker(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

TrivaneDesktopFTPVerbinding::~TrivaneDesktopFTPVerbinding()
{
    sluit();
    sluitKanaal(wekker);
}

void TrivaneDesktopFTPVerbinding::zetTijdslimiet(unsigned int seconden)
{
    tijdslimiet = seconden > 0 ? seconden : 1;
}

void TrivaneDesktopFTPVerbinding::stop()
{
    gestopt = true;
    if (wekker >= 0)
        zetSignaal(wekker);
}

void TrivaneDesktopFTPVerbinding::sluitKanaal(int& kanaal)
{
    if (kanaal >= 0)
        close(kanaal);
    kanaal = -1;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::wachtOp(int kanaal, short gebeurtenis)
{
    using Klok = std::chrono::steady_clock;
    const auto einde = Klok::now() + std::chrono::seconds(tijdslimiet);
    for (;;)
    {
        if (gestopt)
            return Uitkomst::Gestopt;
        const auto rest = std::chrono::ceil<std::chrono::milliseconds>(einde - Klok::now()).count();
        if (rest <= 0)
            return Uitkomst::TeLaat;
        // A negative descriptor (no wake-up to be had) is left out by poll.
        pollfd kanalen[] = {{kanaal, gebeurtenis, 0}, {wekker, POLLIN, 0}};
        const int klaar = poll(kanalen, 2, static_cast<int>(rest));
        if (klaar < 0 && errno == EINTR)
            continue;
        if (klaar < 0)
            return Uitkomst::Verbroken;
        if (gestopt || kanalen[1].revents != 0)
            return Uitkomst::Gestopt;
        // An error or a hang-up counts as ready: the read or write that
        // follows tells which.
        if (kanalen[0].revents != 0)
            return Uitkomst::Gelukt;
    }
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::maakVerbinding(const std::string& host,
                                                                                  unsigned short poort, int& kanaal)
{
    auto opzoeking = std::make_shared<Opzoeking>();
    if (opzoeking->signaal < 0)
        return Uitkomst::Verbroken;
    const std::string dienst = std::to_string(poort == 0 ? ftpPoort : poort);
    try
    {
        std::thread(
            [opzoeking, host, dienst]
            {
                addrinfo hint{};
                hint.ai_family = AF_UNSPEC;
                hint.ai_socktype = SOCK_STREAM;
                addrinfo* adressen = nullptr;
                const int fout = getaddrinfo(host.c_str(), dienst.c_str(), &hint, &adressen);
                const std::lock_guard<std::mutex> hold(opzoeking->slot);
                opzoeking->fout = fout;
                opzoeking->adressen = fout == 0 ? adressen : nullptr;
                opzoeking->klaar = true;
                zetSignaal(opzoeking->signaal);
            })
            .detach();
    }
    catch (const std::system_error&)
    {
        return Uitkomst::Verbroken;
    }
    const Uitkomst gewacht = wachtOp(opzoeking->signaal, POLLIN);
    if (gewacht != Uitkomst::Gelukt)
        return gewacht;
    const addrinfo* adressen = nullptr;
    {
        const std::lock_guard<std::mutex> hold(opzoeking->slot);
        if (!opzoeking->klaar || opzoeking->fout != 0)
            return Uitkomst::Verbroken;
        adressen = opzoeking->adressen;
    }
    Uitkomst uitkomst = Uitkomst::Verbroken;
    for (const addrinfo* adres = adressen; adres; adres = adres->ai_next)
    {
        uitkomst = verbindMet(adres->ai_addr, adres->ai_addrlen, kanaal);
        if (uitkomst == Uitkomst::Gelukt || uitkomst == Uitkomst::Gestopt)
            break;
    }
    return uitkomst;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::verbindMet(const void* adres, unsigned int lengte,
                                                                              int& kanaal)
{
    const auto* doel = static_cast<const sockaddr*>(adres);
    int nieuw = socket(doel->sa_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (nieuw < 0)
        return Uitkomst::Verbroken;
    if (connect(nieuw, doel, lengte) != 0 && errno != EINPROGRESS)
    {
        sluitKanaal(nieuw);
        return Uitkomst::Verbroken;
    }
    const Uitkomst gewacht = wachtOp(nieuw, POLLOUT);
    int fout = 0;
    socklen_t foutLengte = sizeof fout;
    if (gewacht == Uitkomst::Gelukt && (getsockopt(nieuw, SOL_SOCKET, SO_ERROR, &fout, &foutLengte) != 0 || fout != 0))
    {
        sluitKanaal(nieuw);
        return Uitkomst::Verbroken;
    }
    if (gewacht != Uitkomst::Gelukt)
    {
        sluitKanaal(nieuw);
        return gewacht;
    }
    kanaal = nieuw;
    return Uitkomst::Gelukt;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::verbind(const std::string& host,
                                                                           unsigned short poort)
{
    sluit();
    Uitkomst uitkomst = maakVerbinding(host, poort, stuurKanaal);
    // "120 ready in a moment" may come before the greeting itself.
    Antwoord groet;
    while (uitkomst == Uitkomst::Gelukt)
    {
        uitkomst = leesAntwoord(groet);
        if (uitkomst == Uitkomst::Gelukt && groet.code / 100 != 1)
            break;
    }
    if (uitkomst == Uitkomst::Gelukt && groet.code / 100 != 2)
        uitkomst = Uitkomst::Geweigerd;
    if (uitkomst != Uitkomst::Gelukt)
        sluitKanaal(stuurKanaal);
    return uitkomst;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::meldAan(const std::string& gebruiker,
                                                                           const std::string& wachtwoord)
{
    Antwoord antwoord;
    Uitkomst uitkomst = stuur("USER " + gebruiker, antwoord);
    if (uitkomst != Uitkomst::Gelukt || antwoord.code == 230)
        return uitkomst;
    if (antwoord.code != 331)
        return Uitkomst::Geweigerd;
    uitkomst = stuur("PASS " + wachtwoord, antwoord);
    if (uitkomst != Uitkomst::Gelukt)
        return uitkomst;
    return antwoord.code == 230 || antwoord.code == 202 ? Uitkomst::Gelukt : Uitkomst::Geweigerd;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::stuur(const std::string& opdracht,
                                                                         Antwoord& antwoord)
{
    if (!isEenRegel(opdracht))
        return Uitkomst::Geweigerd;
    const Uitkomst geschreven = schrijf(opdracht + "\r\n");
    if (geschreven != Uitkomst::Gelukt)
        return geschreven;
    return leesAntwoord(antwoord);
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::schrijf(const std::string& tekst)
{
    if (stuurKanaal < 0)
        return Uitkomst::Verbroken;
    std::size_t verstuurd = 0;
    while (verstuurd < tekst.size())
    {
        const ssize_t aantal = send(stuurKanaal, tekst.data() + verstuurd, tekst.size() - verstuurd, MSG_NOSIGNAL);
        if (aantal > 0)
        {
            verstuurd += static_cast<std::size_t>(aantal);
            continue;
        }
        if (aantal < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return Uitkomst::Verbroken;
        const Uitkomst gewacht = wachtOp(stuurKanaal, POLLOUT);
        if (gewacht != Uitkomst::Gelukt)
            return gewacht;
    }
    return Uitkomst::Gelukt;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::leesRegel(std::string& regel)
{
    for (;;)
    {
        const std::size_t einde = gelezen.find('\n');
        if (einde != std::string::npos && einde <= maxRegelLengte)
        {
            regel = gelezen.substr(0, einde);
            gelezen.erase(0, einde + 1);
            if (!regel.empty() && regel.back() == '\r')
                regel.pop_back();
            return Uitkomst::Gelukt;
        }
        if (gelezen.size() > maxRegelLengte)
            return Uitkomst::Verbroken;
        const Uitkomst gewacht = wachtOp(stuurKanaal, POLLIN);
        if (gewacht != Uitkomst::Gelukt)
            return gewacht;
        char buffer[4096];
        const ssize_t aantal = recv(stuurKanaal, buffer, sizeof buffer, 0);
        if (aantal == 0)
            return Uitkomst::Verbroken;
        if (aantal < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return Uitkomst::Verbroken;
        if (aantal > 0)
            gelezen.append(buffer, static_cast<std::size_t>(aantal));
    }
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::leesAntwoord(Antwoord& antwoord)
{
    if (stuurKanaal < 0)
        return Uitkomst::Verbroken;
    std::string regel;
    Uitkomst uitkomst = leesRegel(regel);
    if (uitkomst != Uitkomst::Gelukt)
        return uitkomst;
    if (!isCode(regel))
        return Uitkomst::Verbroken;
    const std::string code = regel.substr(0, 3);
    // A reply of several lines ends with the line that starts with its code
    // and a blank.
    if (regel.size() > 3 && regel[3] == '-')
    {
        for (int regels = 1;; ++regels)
        {
            if (regels >= maxAntwoordRegels)
                return Uitkomst::Verbroken;
            uitkomst = leesRegel(regel);
            if (uitkomst != Uitkomst::Gelukt)
                return uitkomst;
            if (regel.compare(0, 3, code) == 0 && (regel.size() == 3 || regel[3] == ' '))
                break;
        }
    }
    antwoord.code = std::stoi(code);
    antwoord.tekst = regel;
    laatste = antwoord;
    return Uitkomst::Gelukt;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::openOverdracht(const std::string& opdracht,
                                                                                  bool passief)
{
    if (!isEenRegel(opdracht))
        return Uitkomst::Geweigerd;
    sluitKanaal(dataKanaal);
    int luisteraar = -1;
    Uitkomst uitkomst = passief ? openPassief(dataKanaal) : openActief(luisteraar);
    Antwoord antwoord;
    if (uitkomst == Uitkomst::Gelukt)
        uitkomst = stuur(opdracht, antwoord);
    if (uitkomst == Uitkomst::Gelukt && antwoord.code / 100 != 1)
        uitkomst = Uitkomst::Geweigerd;
    if (uitkomst == Uitkomst::Gelukt && !passief)
        uitkomst = neemAan(luisteraar, dataKanaal);
    sluitKanaal(luisteraar);
    if (uitkomst != Uitkomst::Gelukt)
        sluitKanaal(dataKanaal);
    return uitkomst;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::openPassief(int& kanaal)
{
    // The data go to the host the control connection reached: a server that
    // names another host would make this program connect wherever it likes.
    sockaddr_storage server{};
    socklen_t lengte = sizeof server;
    if (getpeername(stuurKanaal, reinterpret_cast<sockaddr*>(&server), &lengte) != 0)
        return Uitkomst::Verbroken;
    Antwoord antwoord;
    Uitkomst uitkomst = stuur("EPSV", antwoord);
    if (uitkomst != Uitkomst::Gelukt)
        return uitkomst;
    unsigned int poort = antwoord.code == 229 ? leesEpsvPoort(antwoord.tekst) : 0;
    if (antwoord.code != 229 && server.ss_family == AF_INET)
    {
        uitkomst = stuur("PASV", antwoord);
        if (uitkomst != Uitkomst::Gelukt)
            return uitkomst;
        poort = antwoord.code == 227 ? leesPasvPoort(antwoord.tekst) : 0;
    }
    if (poort == 0 || !zetPoort(server, poort))
        return Uitkomst::Geweigerd;
    return verbindMet(&server, lengte, kanaal);
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::openActief(int& luisteraar)
{
    sockaddr_storage eigen{};
    socklen_t lengte = sizeof eigen;
    if (getsockname(stuurKanaal, reinterpret_cast<sockaddr*>(&eigen), &lengte) != 0 || !zetPoort(eigen, 0))
        return Uitkomst::Verbroken;
    luisteraar = socket(eigen.ss_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (luisteraar < 0 || bind(luisteraar, reinterpret_cast<sockaddr*>(&eigen), lengte) != 0 ||
        listen(luisteraar, 1) != 0 || getsockname(luisteraar, reinterpret_cast<sockaddr*>(&eigen), &lengte) != 0)
        return Uitkomst::Verbroken;
    const unsigned int poort = geefPoort(eigen);
    char host[INET6_ADDRSTRLEN] = {};
    std::string opdracht;
    if (eigen.ss_family == AF_INET)
    {
        const auto& adres = reinterpret_cast<const sockaddr_in&>(eigen);
        if (!inet_ntop(AF_INET, &adres.sin_addr, host, sizeof host))
            return Uitkomst::Verbroken;
        opdracht = "PORT " + std::string(host) + "," + std::to_string(poort / 256) + "," + std::to_string(poort % 256);
        for (char& teken : opdracht)
            if (teken == '.')
                teken = ',';
    }
    else
    {
        const auto& adres = reinterpret_cast<const sockaddr_in6&>(eigen);
        if (!inet_ntop(AF_INET6, &adres.sin6_addr, host, sizeof host))
            return Uitkomst::Verbroken;
        opdracht = "EPRT |2|" + std::string(host) + "|" + std::to_string(poort) + "|";
    }
    Antwoord antwoord;
    const Uitkomst uitkomst = stuur(opdracht, antwoord);
    if (uitkomst != Uitkomst::Gelukt)
        return uitkomst;
    return antwoord.code / 100 == 2 ? Uitkomst::Gelukt : Uitkomst::Geweigerd;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::neemAan(int luisteraar, int& kanaal)
{
    const Uitkomst gewacht = wachtOp(luisteraar, POLLIN);
    if (gewacht != Uitkomst::Gelukt)
        return gewacht;
    sockaddr_storage ander{};
    sockaddr_storage server{};
    socklen_t lengte = sizeof ander;
    socklen_t serverLengte = sizeof server;
    kanaal = accept4(luisteraar, reinterpret_cast<sockaddr*>(&ander), &lengte, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (kanaal < 0)
        return Uitkomst::Verbroken;
    // Only the server itself may bring the data.
    if (getpeername(stuurKanaal, reinterpret_cast<sockaddr*>(&server), &serverLengte) != 0 ||
        !isZelfdeHost(ander, server))
    {
        sluitKanaal(kanaal);
        return Uitkomst::Geweigerd;
    }
    return Uitkomst::Gelukt;
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::ontvang(const Verwerker& verwerk)
{
    if (dataKanaal < 0)
        return Uitkomst::Verbroken;
    std::vector<char> buffer(stukGrootte);
    for (;;)
    {
        const Uitkomst gewacht = wachtOp(dataKanaal, POLLIN);
        if (gewacht != Uitkomst::Gelukt)
            return gewacht;
        const ssize_t aantal = recv(dataKanaal, buffer.data(), buffer.size(), 0);
        if (aantal == 0)
            return Uitkomst::Gelukt;
        if (aantal < 0)
        {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                continue;
            return Uitkomst::Verbroken;
        }
        if (!verwerk(buffer.data(), static_cast<std::size_t>(aantal)))
            return Uitkomst::Geweigerd;
    }
}

TrivaneDesktopFTPVerbinding::Uitkomst TrivaneDesktopFTPVerbinding::sluitOverdracht(bool heelGelezen)
{
    sluitKanaal(dataKanaal);
    if (!heelGelezen)
        return Uitkomst::Gelukt;
    Antwoord antwoord;
    const Uitkomst uitkomst = leesAntwoord(antwoord);
    if (uitkomst != Uitkomst::Gelukt)
        return uitkomst;
    return antwoord.code / 100 == 2 ? Uitkomst::Gelukt : Uitkomst::Geweigerd;
}

void TrivaneDesktopFTPVerbinding::sluit()
{
    if (stuurKanaal >= 0 && !gestopt)
    {
        // The goodbye is a courtesy: its answer is not awaited.
        const char afscheid[] = "QUIT\r\n";
        const ssize_t verstuurd = send(stuurKanaal, afscheid, sizeof afscheid - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        static_cast<void>(verstuurd);
    }
    sluitKanaal(dataKanaal);
    sluitKanaal(stuurKanaal);
    gelezen.clear();
}
