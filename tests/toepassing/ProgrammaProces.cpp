#include "tests/toepassing/ProgrammaProces.h"

#include "tests/ondersteuning/TestOmgeving.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace
{
using Klok = std::chrono::steady_clock;

struct Venster
{
    Window id;
    std::string titel;
};

struct DisplaySluiter
{
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayPtr = std::unique_ptr<Display, DisplaySluiter>;

std::string leesBestand(const std::string& pad)
{
    std::ifstream bestand(pad);
    std::stringstream inhoud;
    inhoud << bestand.rdbuf();
    return inhoud.str();
}

std::string leesTitel(Display* scherm, Window venster)
{
    Atom type = None;
    int formaat = 0;
    unsigned long aantal = 0, rest = 0;
    unsigned char* data = nullptr;
    const Atom naam = XInternAtom(scherm, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(scherm, "UTF8_STRING", False);
    std::string titel;
    if (XGetWindowProperty(scherm, venster, naam, 0, 1024, False, utf8, &type, &formaat, &aantal, &rest, &data) ==
            Success &&
        data)
        titel.assign(reinterpret_cast<char*>(data), aantal);
    if (data)
        XFree(data);
    return titel;
}

long leesPid(Display* scherm, Window venster)
{
    Atom type = None;
    int formaat = 0;
    unsigned long aantal = 0, rest = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(scherm, venster, XInternAtom(scherm, "_NET_WM_PID", False), 0, 1, False, XA_CARDINAL, &type,
                           &formaat, &aantal, &rest, &data) == Success &&
        data && aantal == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

// The shown top-level windows of the process (no window manager: they are
// the children of the root).
std::vector<Venster> geefVensters(Display* scherm, pid_t proces)
{
    std::vector<Venster> vensters;
    Window wortel = 0, ouder = 0;
    Window* kinderen = nullptr;
    unsigned int aantal = 0;
    if (!XQueryTree(scherm, DefaultRootWindow(scherm), &wortel, &ouder, &kinderen, &aantal))
        return vensters;
    for (unsigned int i = 0; i < aantal; ++i)
    {
        XWindowAttributes eigenschappen;
        if (!XGetWindowAttributes(scherm, kinderen[i], &eigenschappen) || eigenschappen.map_state != IsViewable)
            continue;
        if (leesPid(scherm, kinderen[i]) != proces)
            continue;
        vensters.push_back({kinderen[i], leesTitel(scherm, kinderen[i])});
    }
    if (kinderen)
        XFree(kinderen);
    return vensters;
}

bool eindigtOp(const std::string& tekst, const std::string& einde)
{
    return tekst.size() >= einde.size() && tekst.compare(tekst.size() - einde.size(), einde.size(), einde) == 0;
}

void vraagSluiten(Display* scherm, Window venster)
{
    XEvent bericht{};
    bericht.xclient.type = ClientMessage;
    bericht.xclient.window = venster;
    bericht.xclient.message_type = XInternAtom(scherm, "WM_PROTOCOLS", False);
    bericht.xclient.format = 32;
    bericht.xclient.data.l[0] = static_cast<long>(XInternAtom(scherm, "WM_DELETE_WINDOW", False));
    bericht.xclient.data.l[1] = CurrentTime;
    XSendEvent(scherm, venster, False, NoEventMask, &bericht);
    XFlush(scherm);
}
} // namespace

ProgrammaProces::ProgrammaProces(const std::vector<std::string>& argumenten)
    : proces(-1), status(-1), map(testMap().string())
{
    std::vector<std::string> woorden{VT_PROGRAMMA};
    woorden.insert(woorden.end(), argumenten.begin(), argumenten.end());
    std::vector<char*> argv;
    for (std::string& woord : woorden)
        argv.push_back(woord.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_addopen(&acties, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&acties, 1, (map + "/uitvoer.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&acties, 2, (map + "/fouten.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawn(&proces, argv[0], &acties, nullptr, argv.data(), environ) != 0)
        proces = -1;
    posix_spawn_file_actions_destroy(&acties);
}

ProgrammaProces::~ProgrammaProces()
{
    if (proces > 0 && !wachtOpEinde(0))
    {
        kill(proces, SIGKILL);
        wachtOpEinde(5000);
    }
}

bool ProgrammaProces::wachtOpEinde(int milliseconden)
{
    if (proces <= 0)
        return true;
    const auto einde = Klok::now() + std::chrono::milliseconds(milliseconden);
    for (;;)
    {
        int toestand = 0;
        if (waitpid(proces, &toestand, WNOHANG) == proces)
        {
            status = WIFEXITED(toestand) ? WEXITSTATUS(toestand) : -1;
            proces = 0;
            return true;
        }
        if (Klok::now() >= einde)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string ProgrammaProces::geefUitvoer() const
{
    return leesBestand(map + "/uitvoer.txt");
}

std::string ProgrammaProces::geefFouten() const
{
    return leesBestand(map + "/fouten.txt");
}

bool ProgrammaProces::wachtOpVenster(const std::string& titel, int milliseconden)
{
    DisplayPtr scherm(XOpenDisplay(nullptr));
    if (!scherm)
        return false;
    const auto einde = Klok::now() + std::chrono::milliseconds(milliseconden);
    while (Klok::now() < einde && proces > 0)
    {
        for (const Venster& venster : geefVensters(scherm.get(), proces))
            if (eindigtOp(venster.titel, titel))
                return true;
        if (wachtOpEinde(50))
            return false;
    }
    return false;
}

int ProgrammaProces::sluitTotEinde(const std::string& titel, int milliseconden)
{
    DisplayPtr scherm(XOpenDisplay(nullptr));
    int verzoeken = 0;
    if (!scherm)
        return verzoeken;
    const auto einde = Klok::now() + std::chrono::milliseconds(milliseconden);
    while (Klok::now() < einde && !wachtOpEinde(0))
    {
        const std::vector<Venster> vensters = geefVensters(scherm.get(), proces);
        const Venster* hoofd = nullptr;
        const Venster* ander = nullptr;
        for (const Venster& venster : vensters)
        {
            if (eindigtOp(venster.titel, titel))
                hoofd = &venster;
            else if (!venster.titel.empty())
                ander = &venster;
        }
        // A modal message box holds the main window: it goes first.
        if (ander)
            vraagSluiten(scherm.get(), ander->id);
        else if (hoofd)
        {
            vraagSluiten(scherm.get(), hoofd->id);
            ++verzoeken;
        }
        wachtOpEinde(500);
    }
    return verzoeken;
}
