// The about box in each of the ten languages: GTK's own about dialog, its
// credits shown, fits the smallest display the program accepts; the credits
// are whole (a web address becomes a link on the name before it, leaving no
// brackets), in the language, and name no file of the source tree. The
// translation is the maker's; in English none is named.
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/vertalingen/Talen.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/aboutdlg.h>
#include <wx/image.h>

namespace
{
// The width of the smallest display the program starts on.
const int kleinsteScherm = 800;

// The about box's texts, as the main window's command gives them.
wxAboutDialogInfo vraagOverVenster(VensterApp& app)
{
    VraagBeantwoorder vragen;
    VerelTamsoVenster* venster = maakVenster(app);
    const VensterSluiter sluiter{venster};
    stuurMenu(*venster, wxID_ABOUT);
    EXPECT_EQ(vragen.geefAboutBoxen().size(), 1u);
    return vragen.geefAboutBoxen().empty() ? wxAboutDialogInfo() : vragen.geefAboutBoxen()[0];
}

GtkWidget* vindOverDialoog()
{
    GtkWidget* gevonden = nullptr;
    GList* vensters = gtk_window_list_toplevels();
    for (GList* venster = vensters; venster; venster = venster->next)
        if (GTK_IS_ABOUT_DIALOG(venster->data) && gtk_widget_get_visible(GTK_WIDGET(venster->data)))
            gevonden = GTK_WIDGET(venster->data);
    g_list_free(vensters);
    return gevonden;
}

// The button that shows the credits: the one toggle button of the dialog.
void toonCredits(GtkWidget* widget)
{
    if (GTK_IS_TOGGLE_BUTTON(widget))
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(widget), TRUE);
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(
            GTK_CONTAINER(widget), [](GtkWidget* kind, gpointer) { toonCredits(kind); }, nullptr);
}

class OverVensterTest : public ::testing::TestWithParam<Taal>
{
};
} // namespace

TEST_P(OverVensterTest, PastOpHetSchermEnNoemtDeMakersInDeTaal)
{
    static const bool beeldLezers = []
    {
        wxInitAllImageHandlers();
        return true;
    }();
    (void)beeldLezers;
    kiesTaal(wxLANGUAGE_ENGLISH);
    wxArrayString engels;
    {
        VApp app;
        engels = vraagOverVenster(*app).GetArtists();
    }
    kiesTaal(GetParam().taal);
    VApp app;
    ASSERT_EQ(app->geefTaal(), GetParam().taal);
    const wxAboutDialogInfo info = vraagOverVenster(*app);

    for (const wxString& regel : info.GetDevelopers())
    {
        // GTK links the text before an address to it; what follows the
        // address, and a bracket before it, would stand there alone.
        const int adres = regel.Find("https://");
        ASSERT_NE(adres, wxNOT_FOUND) << regel;
        EXPECT_TRUE(regel.Mid(adres).Trim().Find(' ') == wxNOT_FOUND) << regel;
        EXPECT_FALSE(regel.Left(adres).Trim().EndsWith("(")) << regel;
    }
    ASSERT_EQ(info.GetArtists().size(), engels.size());
    for (size_t i = 0; i < engels.size(); ++i)
    {
        const wxString& regel = info.GetArtists()[i];
        EXPECT_FALSE(regel.Contains(".py") || regel.Contains("resources/")) << regel;
        if (GetParam().taal != wxLANGUAGE_ENGLISH)
        {
            EXPECT_NE(regel, engels[i]);
        }
    }

    wxAboutBox(info);
    GtkWidget* dialoog = vindOverDialoog();
    ASSERT_NE(dialoog, nullptr);
    toonCredits(dialoog);
    verwerkGebeurtenissen();
    int kleinste = 0;
    int breedte = 0;
    gtk_widget_get_preferred_width(dialoog, &kleinste, &breedte);
    EXPECT_LE(breedte, kleinsteScherm);
    const gchar* vertalers = gtk_about_dialog_get_translator_credits(GTK_ABOUT_DIALOG(dialoog));
    if (GetParam().taal == wxLANGUAGE_ENGLISH)
        EXPECT_EQ(vertalers, nullptr);
    else
        EXPECT_TRUE(vertalers && wxString::FromUTF8(vertalers).StartsWith("Trivane Embedded Systemen"))
            << (vertalers ? vertalers : "(none)");
    // GTK puts its own "Übersetzung von" before the name: the apposition
    // takes its case. A long line is broken where it would widen the box.
    if (GetParam().taal == wxLANGUAGE_GERMAN)
    {
        wxString zin = wxString::FromUTF8(vertalers ? vertalers : "");
        zin.Replace("\n", " ");
        EXPECT_EQ(zin.Strip(wxString::both), "Trivane Embedded Systemen, dem Hersteller dieses Programms");
    }
    gtk_dialog_response(GTK_DIALOG(dialoog), GTK_RESPONSE_CLOSE);
    verwerkGebeurtenissen();
    EXPECT_EQ(vindOverDialoog(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Talen, OverVensterTest, ::testing::ValuesIn(talen), naamVan);
