#ifndef TOEPASSING_VENSTER_MENUSNELTOETS_H
#define TOEPASSING_VENSTER_MENUSNELTOETS_H

class wxKeyEvent;
class wxMenuItem;

// GTK gives a menu item with a stock id the stock shortcut of that id
// (Ctrl+N for "new") when its label names none: the menu then shows it, and
// the key runs the item, beside the item whose label does name it. Never
// instantiated.
class MenuSneltoets
{
public:
    MenuSneltoets() = delete;

    // The item, already in its menu, shows and takes no shortcut at all.
    static void verwijder(wxMenuItem& item);
    // A key that a text field uses itself (select all, copy, cut, paste,
    // undo): there it is the field's, never a command's.
    static bool isVeldToets(const wxKeyEvent& toets);
};

#endif
