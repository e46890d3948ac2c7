#include "tests/toepassing/venster/SchermBeeld.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

std::vector<unsigned long> schermBeeld(const wxRect& plaats)
{
    std::vector<unsigned long> pixels;
    Display* scherm = XOpenDisplay(nullptr);
    if (!scherm)
        return pixels;
    XImage* beeld =
        XGetImage(scherm, DefaultRootWindow(scherm), plaats.x, plaats.y, static_cast<unsigned int>(plaats.width),
                  static_cast<unsigned int>(plaats.height), AllPlanes, ZPixmap);
    for (int y = 0; beeld && y < plaats.height; ++y)
        for (int x = 0; x < plaats.width; ++x)
            pixels.push_back(XGetPixel(beeld, x, y) & 0xFFFFFF);
    if (beeld)
        XDestroyImage(beeld);
    XCloseDisplay(scherm);
    return pixels;
}
