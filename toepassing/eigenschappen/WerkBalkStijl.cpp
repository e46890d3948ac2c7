#include "toepassing/eigenschappen/WerkBalkStijl.h"

#include <wx/toolbar.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace
{
#ifdef __WXGTK__
const char* const naam = "VerelTamsoCompacteWerkBalk";

// One style for the whole program, found by the bar's name.
void voegStijlToe()
{
    static bool toegevoegd = false;
    if (toegevoegd)
        return;
    toegevoegd = true;
    GtkCssProvider* stijl = gtk_css_provider_new();
    gtk_css_provider_load_from_data(stijl,
                                    "#VerelTamsoCompacteWerkBalk button { padding: 1px; min-width: 0; "
                                    "min-height: 0; }",
                                    -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(stijl),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(stijl);
}
#endif
} // namespace

void WerkBalkStijl::maakCompact(wxToolBar& balk)
{
#ifdef __WXGTK__
    voegStijlToe();
    gtk_widget_set_name(GTK_WIDGET(balk.GetHandle()), naam);
#else
    (void)balk;
#endif
}
