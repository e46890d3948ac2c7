#ifndef TOEPASSING_EIGENSCHAPPEN_SCHUIFBALKSTIJL_H
#define TOEPASSING_EIGENSCHAPPEN_SCHUIFBALKSTIJL_H

class wxWindow;

// GTK shows a window's scroll bar as an overlay that appears only while the
// pointer rests on the window's right edge: rows that lie beyond the window
// then give no sign that they are there. Never instantiated.
class SchuifBalkStijl
{
public:
    SchuifBalkStijl() = delete;

    // The window, made with a scroll bar, shows it beside its content, in
    // view whenever the content does not fit, as a bar that takes its own
    // width.
    static void maakVast(wxWindow& gebied);
};

#endif
