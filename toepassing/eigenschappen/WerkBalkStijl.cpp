#include "toepassing/eigenschappen/WerkBalkStijl.h"

#include <wx/colour.h>
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

const char* const achtergrondSleutel = "VerelTamsoAchtergrond";

// A style of the widget's own, in place of the one it had.
void zetEigenAchtergrond(GtkWidget* widget, const wxColour& kleur)
{
    GtkStyleContext* context = gtk_widget_get_style_context(widget);
    auto* vorige = static_cast<GtkStyleProvider*>(g_object_get_data(G_OBJECT(widget), achtergrondSleutel));
    if (vorige)
        gtk_style_context_remove_provider(context, vorige);
    GtkCssProvider* stijl = gtk_css_provider_new();
    const wxString css = wxString::Format("* { background-color: rgb(%d, %d, %d); background-image: none; }",
                                          kleur.Red(), kleur.Green(), kleur.Blue());
    gtk_css_provider_load_from_data(stijl, css.utf8_str(), -1, nullptr);
    gtk_style_context_add_provider(context, GTK_STYLE_PROVIDER(stijl), GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    // The widget keeps the style; it goes with the widget.
    g_object_set_data_full(G_OBJECT(widget), achtergrondSleutel, stijl, g_object_unref);
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

void WerkBalkStijl::zetAchtergrond(wxToolBar& balk, const wxColour& kleur)
{
    balk.SetBackgroundColour(kleur);
#ifdef __WXGTK__
    // The bar and what holds it (a dockable bar sits in a handle box).
    zetEigenAchtergrond(GTK_WIDGET(balk.GTKGetToolbar()), kleur);
    zetEigenAchtergrond(GTK_WIDGET(balk.GetHandle()), kleur);
#endif
}
