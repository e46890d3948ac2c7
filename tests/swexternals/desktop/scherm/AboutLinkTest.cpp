// The link in the desktop's about box opens through the program's own
// browser start, as every other address does.
#include "swexternals/desktop/DesktopVraag.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/WebOpnemer.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/aboutdlg.h>

TEST(AboutBox, DeLinkGaatDoorDeEigenBrowserStart)
{
    WebOpnemer geopend;
    wxAboutDialogInfo info;
    info.SetName("VerelTamso");
    info.SetWebSite("https://www.trivane.nl/", "www.trivane.nl");
    DesktopVraag::geef().toonAboutBox(info, nullptr);

    GtkWidget* box = nullptr;
    GList* vensters = gtk_window_list_toplevels();
    for (GList* deel = vensters; deel; deel = deel->next)
        if (GTK_IS_ABOUT_DIALOG(deel->data))
            box = GTK_WIDGET(deel->data);
    g_list_free(vensters);
    ASSERT_NE(box, nullptr);
    // What a click on the link does.
    gboolean afgehandeld = FALSE;
    g_signal_emit_by_name(box, "activate-link", "https://www.trivane.nl/", &afgehandeld);
    gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_CLOSE);
    verwerkGebeurtenissen();

    EXPECT_TRUE(afgehandeld);
    ASSERT_EQ(geopend.geefAdressen().size(), 1u);
    EXPECT_EQ(geopend.geefAdressen()[0], "https://www.trivane.nl/");
}
