#ifndef TOEPASSING_VENSTER_TEKSTMATEN_H
#define TOEPASSING_VENSTER_TEKSTMATEN_H

#include <unordered_map>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxWindow;

// The sizes of texts in a window's font, each text measured once while the
// font stays: the list shows mostly texts it showed before (the same
// people, statuses, dates, the rows of a text typed a moment ago, the rows
// it paints again), and shaping a text costs far more than finding its
// size again.
class TekstMaten
{
public:
    explicit TekstMaten(const wxWindow& venster);

    // Forgets every size once the window's font is another than the one
    // they were measured in: called before a pass of measuring.
    void volgFont();
    int geef(const wxString& tekst) { return geefMaat(tekst).GetWidth(); }
    // Width and height, as the window's GetTextExtent gives them.
    wxSize geefMaat(const wxString& tekst);
    // The width of an average letter.
    int geefTekenBreedte();

private:
    const wxWindow& venster;
    wxFont font;
    std::unordered_map<wxString, wxSize> maten;
    int tekenBreedte = 0;
};

#endif
