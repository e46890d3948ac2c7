#include "toepassing/venster/MenuSneltoets.h"

#include <wx/event.h>
#include <wx/menu.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace
{
#ifdef __WXGTK__
gboolean isClosure(GtkAccelKey*, GClosure* closure, gpointer gezocht)
{
    return closure == static_cast<GClosure*>(gezocht);
}
#endif
} // namespace

void MenuSneltoets::verwijder(wxMenuItem& item)
{
#ifdef __WXGTK__
    GtkWidget* widget = item.GetMenuItem();
    if (!widget)
        return;
    // Whatever the toolkit bound, in whichever group: the list is read
    // whole before the first one goes.
    GList* closures = gtk_widget_list_accel_closures(widget);
    for (GList* i = closures; i; i = i->next)
    {
        auto* closure = static_cast<GClosure*>(i->data);
        GtkAccelGroup* groep = gtk_accel_group_from_accel_closure(closure);
        if (!groep)
            continue;
        const GtkAccelKey* toets = gtk_accel_group_find(groep, isClosure, closure);
        if (toets)
            gtk_widget_remove_accelerator(widget, groep, toets->accel_key, toets->accel_mods);
    }
    g_list_free(closures);
#else
    (void)item;
#endif
}

bool MenuSneltoets::isVeldToets(const wxKeyEvent& toets)
{
    if (!toets.ControlDown() || toets.AltDown())
        return false;
    switch (toets.GetKeyCode())
    {
    case 'A':
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
        return true;
    default:
        return false;
    }
}
