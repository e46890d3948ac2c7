#ifndef TOEPASSING_EIGENSCHAPPEN_WERKBALKSTIJL_H
#define TOEPASSING_EIGENSCHAPPEN_WERKBALKSTIJL_H

class wxColour;
class wxToolBar;

// GTK gives every tool a wide frame of padding, which makes a bar of 29
// tools wider than the dialog it serves; the dialog wants its tools packed
// close, as its pictures are small. And the theme paints a tool bar in its
// own colour whatever background the bar was given. Never instantiated.
class WerkBalkStijl
{
public:
    WerkBalkStijl() = delete;

    // The tools of this bar get a narrow frame; other bars keep theirs.
    static void maakCompact(wxToolBar& balk);
    // The bar shows this background, also where the theme paints its own.
    static void zetAchtergrond(wxToolBar& balk, const wxColour& kleur);
};

#endif
