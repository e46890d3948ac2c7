#include "tests/ondersteuning/XTestMuis.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <chrono>
#include <thread>

struct XTestMuis::Verbinding
{
    Display* scherm = nullptr;
    bool metXTest = false;
};

XTestMuis::XTestMuis() : verbinding(std::make_unique<Verbinding>())
{
    verbinding->scherm = XOpenDisplay(nullptr);
    int gebeurtenis = 0;
    int fout = 0;
    int hoofd = 0;
    int onder = 0;
    verbinding->metXTest =
        verbinding->scherm && XTestQueryExtension(verbinding->scherm, &gebeurtenis, &fout, &hoofd, &onder);
}

XTestMuis::~XTestMuis()
{
    if (verbinding->scherm)
        XCloseDisplay(verbinding->scherm);
}

bool XTestMuis::isBruikbaar() const
{
    return verbinding->metXTest;
}

bool XTestMuis::wachtInDraad(const std::function<bool()>& voorwaarde, int maxMs)
{
    const auto einde = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
    while (!voorwaarde())
    {
        if (std::chrono::steady_clock::now() > einde)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void XTestMuis::beweeg(int x, int y)
{
    XTestFakeMotionEvent(verbinding->scherm, -1, x, y, CurrentTime);
    XFlush(verbinding->scherm);
}

void XTestMuis::drukLinks(bool omlaag)
{
    XTestFakeButtonEvent(verbinding->scherm, 1, omlaag ? True : False, CurrentTime);
    XFlush(verbinding->scherm);
}

void XTestMuis::rol(bool omhoog)
{
    // The X server's wheel is buttons 4 (up) and 5 (down).
    const unsigned int knop = omhoog ? 4 : 5;
    XTestFakeButtonEvent(verbinding->scherm, knop, True, CurrentTime);
    XTestFakeButtonEvent(verbinding->scherm, knop, False, CurrentTime);
    XSync(verbinding->scherm, False);
}

void XTestMuis::drukCtrl(bool omlaag)
{
    const KeyCode ctrl = XKeysymToKeycode(verbinding->scherm, XK_Control_L);
    XTestFakeKeyEvent(verbinding->scherm, ctrl, omlaag ? True : False, CurrentTime);
    XFlush(verbinding->scherm);
}

void XTestMuis::tik(unsigned long toets)
{
    const KeyCode code = XKeysymToKeycode(verbinding->scherm, toets);
    XTestFakeKeyEvent(verbinding->scherm, code, True, CurrentTime);
    XTestFakeKeyEvent(verbinding->scherm, code, False, CurrentTime);
    XSync(verbinding->scherm, False);
}
