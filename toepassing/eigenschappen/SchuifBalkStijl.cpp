#include "toepassing/eigenschappen/SchuifBalkStijl.h"

#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

void SchuifBalkStijl::maakVast(wxWindow& gebied)
{
#ifdef __WXGTK__
    // A window with a scroll bar is a GtkScrolledWindow around its own area.
    GtkWidget* widget = gebied.GetHandle();
    if (widget && GTK_IS_SCROLLED_WINDOW(widget))
        gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(widget), FALSE);
#else
    (void)gebied;
#endif
}
