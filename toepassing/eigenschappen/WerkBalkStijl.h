#ifndef TOEPASSING_EIGENSCHAPPEN_WERKBALKSTIJL_H
#define TOEPASSING_EIGENSCHAPPEN_WERKBALKSTIJL_H

class wxToolBar;

// GTK gives every tool a wide frame of padding, which makes a bar of 29
// tools wider than the dialog it serves; the dialog wants its tools packed
// close, as its pictures are small. Never instantiated.
class WerkBalkStijl
{
public:
    WerkBalkStijl() = delete;

    // The tools of this bar get a narrow frame; other bars keep theirs.
    static void maakCompact(wxToolBar& balk);
};

#endif
