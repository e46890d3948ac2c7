#ifndef SWEXTERNALS_DESKTOP_DESKTOPBEELDLADER_H
#define SWEXTERNALS_DESKTOP_DESKTOPBEELDLADER_H

#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/string.h>

// The one reader of the pictures compiled into the program, which every
// window's GetBitmapResource and GetIconResource asks: by their relative
// names ("vlaggen/nl.png", "afbeeldingen/plons.png", or an icon of the
// icon sets by its size and name). Never instantiated.
class DesktopBeeldLader
{
public:
    DesktopBeeldLader() = delete;

    // The relative name of an icon of the sets: ikoon(32, "nieuw.png"), or
    // with its size folder, ikoon("32x32/nieuw.png").
    static wxString ikoon(int maat, const wxString& naam);
    static wxString ikoon(const wxString& inSet);

    // The PNG and JPEG readers that the pictures, the clipboard and dropped
    // images need: registered once, at the first call.
    static void zorgVoorHandlers();

    // The picture of that name; invalid when the program has none or it
    // cannot be read.
    static wxImage leesBeeld(const wxString& naam);
    // The same as a bitmap; wxNullBitmap when there is none.
    static wxBitmap leesBitmap(const wxString& naam);
    // The same as an icon; an invalid icon when there is none.
    static wxIcon leesIcoon(const wxString& naam);
};

#endif
