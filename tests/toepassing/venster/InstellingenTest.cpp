// The window's settings: a first start's defaults, stored values checked
// before they reach a control, and everything written back at the end.
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"

#include <algorithm>
#include <string>
#include <wx/fileconf.h>

namespace
{
using V = VerelTamsoVenster;
const wxString operationeel = "/Configuratie/Operationeel/";

// What the window of an application that has ended wrote back.
long bewaard(const wxString& sleutel)
{
    return openKonfigBestand()->ReadLong(operationeel + sleutel, -1);
}
} // namespace

TEST(VensterInstellingen, AFirstStartHasTheDefaults)
{
    VApp app;
    VerelTamsoVenster* venster = maakVenster(*app);
    wxMenuBar& menus = *venster->GetMenuBar();
    for (int id : {V::ID_AUTOMATISCHSRNUMMER, V::ID_AUTOMATISCHSCHRIJVER, V::ID_DUBBELKLIKTOONMODE,
                   V::ID_GEBRUIKKLEURENVOORSTATUS})
        EXPECT_TRUE(menus.IsChecked(id)) << id;
    EXPECT_FALSE(menus.IsChecked(V::ID_DUBBELKLIKEDITMODE));
    EXPECT_EQ(venster->geefGeselekteerdeKolom(), VerelTamsoApp::KolomID);
    EXPECT_EQ(statusFilter(*venster).GetSelection(), Requirement::StatusAlle);
    EXPECT_EQ(typeFilter(*venster).GetSelection(), Requirement::TypeAlle);
    EXPECT_EQ(funkTypeFilter(*venster).GetSelection(), Requirement::FunkTypeAlle);
    EXPECT_EQ(prioriteitDrempel(*venster).GetValue(), 1);
    EXPECT_EQ(recenteBestanden(*venster).GetMenuItemCount(), 0u);

    // The pop-up menu of a right click: the same labels, accelerators
    // included, as the requirement menu, in the order add, show, edit,
    // duplicate, delete.
    const int volgorde[] = {wxID_ADD, V::ID_TOONITEM, V::ID_BEWERKITEM, wxID_DUPLICATE, wxID_DELETE};
    const std::vector<wxMenuItem*> items =
        toonPopupMenu(*venster, *venster->geefRekLijst(), wxEVT_LIST_ITEM_RIGHT_CLICK);
    ASSERT_EQ(items.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
    {
        EXPECT_EQ(items[i]->GetId(), volgorde[i]);
        EXPECT_EQ(items[i]->GetItemLabel(), menus.GetLabel(volgorde[i]));
    }
    EXPECT_TRUE(items[0]->GetItemLabel().EndsWith("\tCtrl+N"));
    sluitVenster(venster);
    // Sorted by I.D, descending.
    app.beeindig();
    EXPECT_EQ(bewaard("GeselekteerdeKolomRichting"), SorteringAflopend);
}

TEST(VensterInstellingen, StoredValuesOutsideTheirRangeFallBackAndAllIsWrittenBack)
{
    struct Geval
    {
        long kolom, richting, status, type, funkType, prioriteit;
        unsigned int verwachtKolom;
        long verwachtRichting, verwachtStatus, verwachtType, verwachtFunkType, verwachtPrioriteit;
    };
    // The column is unsigned and clamped: a negative value is the last
    // column. The others are indexes and a threshold: out of range they are
    // the defaults, so that the list never searches for nothing.
    const Geval gevallen[] = {
        {3, 1, 2, 0, 1, 42, 3, 1, 2, 0, 1, 42},     {10, 0, 5, 3, 4, 100, 10, 0, 5, 3, 4, 100},
        {11, 3, 6, 4, 5, 0, 10, 2, 5, 3, 4, 1},     {500, -1, -1, -1, -1, 101, 10, 2, 5, 3, 4, 1},
        {-1, 7, 99, 99, 99, -5, 10, 2, 5, 3, 4, 1},
    };
    for (const Geval& geval : gevallen)
    {
        {
            auto konfig = openKonfigBestand();
            konfig->Write(operationeel + "GeselekteerdeKolom", geval.kolom);
            konfig->Write(operationeel + "GeselekteerdeKolomRichting", geval.richting);
            konfig->Write(operationeel + "GeselekteerdeRekStatus", geval.status);
            konfig->Write(operationeel + "GeselekteerdeRekType", geval.type);
            konfig->Write(operationeel + "GeselekteerdeRekFunkType", geval.funkType);
            konfig->Write(operationeel + "GeselekteerdeRekPrioriteit", geval.prioriteit);
        }
        VApp app;
        VerelTamsoVenster* venster = maakVenster(*app);
        EXPECT_EQ(static_cast<unsigned int>(venster->geefGeselekteerdeKolom()), geval.verwachtKolom) << geval.kolom;
        EXPECT_EQ(statusFilter(*venster).GetSelection(), geval.verwachtStatus) << geval.status;
        EXPECT_EQ(typeFilter(*venster).GetSelection(), geval.verwachtType) << geval.type;
        EXPECT_EQ(funkTypeFilter(*venster).GetSelection(), geval.verwachtFunkType) << geval.funkType;
        EXPECT_EQ(prioriteitDrempel(*venster).GetValue(), geval.verwachtPrioriteit) << geval.prioriteit;
        sluitVenster(venster);
        app.beeindig();
        EXPECT_EQ(bewaard("GeselekteerdeKolomRichting"), geval.verwachtRichting) << geval.richting;
    }
}

TEST(VensterInstellingen, WhatTheUserChoseIsThereAtTheNextStart)
{
    const wxString pad = testPad("p.vtd");
    {
        VApp app;
        ASSERT_EQ(app->openProject(pad), 0);
        VerelTamsoVenster* venster = maakVenster(*app);
        venster->start();
        klikKop(*venster, 2);
        klikKop(*venster, 2);
        statusFilter(*venster).SetSelection(1);
        typeFilter(*venster).SetSelection(2);
        funkTypeFilter(*venster).SetSelection(3);
        prioriteitDrempel(*venster).SetValue(33);
        stuurMenu(*venster, V::ID_GEBRUIKKLEURENVOORSTATUS);
        stuurMenu(*venster, V::ID_DUBBELKLIKEDITMODE);
        venster->GetMenuBar()->Check(V::ID_AUTOMATISCHSRNUMMER, false);
        // Closed, the project joins the recent files.
        stuurMenu(*venster, wxID_CLOSE);
        sluitVenster(venster);
    }
    auto konfig = openKonfigBestand();
    EXPECT_EQ(konfig->ReadLong(operationeel + "GeselekteerdeKolom", -1), 2);
    EXPECT_EQ(konfig->ReadLong(operationeel + "GeselekteerdeKolomRichting", -1), SorteringOplopend);
    EXPECT_EQ(konfig->ReadLong(operationeel + "GeselekteerdeRekStatus", -1), 1);
    EXPECT_EQ(konfig->ReadLong(operationeel + "GeselekteerdeRekType", -1), 2);
    EXPECT_EQ(konfig->ReadLong(operationeel + "GeselekteerdeRekFunkType", -1), 3);
    EXPECT_EQ(konfig->ReadLong(operationeel + "GeselekteerdeRekPrioriteit", -1), 33);
    EXPECT_FALSE(konfig->ReadBool(operationeel + "GebruikKleurenVoorStatusIndikatie", true));
    EXPECT_TRUE(konfig->ReadBool("/Configuratie/DubbelKlikkenBetekentBewerken", false));
    EXPECT_FALSE(konfig->ReadBool("/Configuratie/AutomatischSRNummer", true));
    EXPECT_TRUE(konfig->ReadBool("/Configuratie/AutomatischSchrijverInvoeging", false));
    EXPECT_EQ(konfig->Read(operationeel + "GekozenBestanden/file1", ""), pad);
    EXPECT_TRUE(konfig->HasEntry("/Gebruikersinstellingen/Venster/GrootteX"));

    VApp app;
    // Wherever another reader left the configuration.
    app->geefAppConfigRef().SetPath("/Statistiek");
    VerelTamsoVenster* venster = maakVenster(*app);
    EXPECT_EQ(venster->geefGeselekteerdeKolom(), 2u);
    EXPECT_EQ(prioriteitDrempel(*venster).GetValue(), 33);
    EXPECT_FALSE(venster->GetMenuBar()->IsChecked(V::ID_GEBRUIKKLEURENVOORSTATUS));
    EXPECT_TRUE(venster->GetMenuBar()->IsChecked(V::ID_DUBBELKLIKEDITMODE));
    EXPECT_EQ(recenteBestanden(*venster).GetMenuItemCount(), 1u);
    sluitVenster(venster);
    app.beeindig();
    EXPECT_EQ(bewaard("GeselekteerdeKolomRichting"), SorteringOplopend);
}

namespace
{
// Every entry of the configuration file by its whole key, sorted.
std::vector<std::string> alleSleutels(wxFileConfig& konfig, const wxString& groep = "/")
{
    std::vector<std::string> sleutels;
    konfig.SetPath(groep);
    wxString naam;
    long index = 0;
    for (bool meer = konfig.GetFirstEntry(naam, index); meer; meer = konfig.GetNextEntry(naam, index))
        sleutels.push_back((groep == "/" ? groep : groep + "/").utf8_string() + naam.utf8_string());
    wxArrayString groepen;
    index = 0;
    for (bool meer = konfig.GetFirstGroup(naam, index); meer; meer = konfig.GetNextGroup(naam, index))
        groepen.Add((groep == "/" ? groep : groep + "/") + naam);
    for (const wxString& sub : groepen)
        for (std::string& sleutel : alleSleutels(konfig, sub))
            sleutels.push_back(std::move(sleutel));
    std::sort(sleutels.begin(), sleutels.end());
    return sleutels;
}
} // namespace

// A file written by an earlier version must be read the same: the window,
// the properties dialog and the application write every value under the
// whole key they always had.
TEST(VensterInstellingen, TheFileKeepsItsKeys)
{
    const wxString pad = testPad("p.vtd");
    {
        VApp app;
        ASSERT_EQ(app->openProject(pad), 0);
        VerelTamsoVenster* venster = maakVenster(*app);
        venster->start();
        dialoogBeantwoorder().verwacht(wxID_CANCEL);
        stuurMenu(*venster, wxID_ADD);
        stuurMenu(*venster, wxID_CLOSE);
        sluitVenster(venster);
    }
    const std::string operationeel = "/Configuratie/Operationeel/";
    std::vector<std::string> verwacht = {
        "/Configuratie/AutomatischSRNummer",
        "/Configuratie/AutomatischSchrijverInvoeging",
        "/Configuratie/Database/DBPad",
        "/Configuratie/Database/IsAlleenLezenDB",
        "/Configuratie/Database/IsVersleuteldeDB",
        "/Configuratie/Database/SQlite3Versie",
        "/Configuratie/Database/wxSQlite3Versie",
        "/Configuratie/DubbelKlikkenBetekentBewerken",
        "/Configuratie/Font/InheemseBeschrijving",
        "/Configuratie/Kleur",
        "/Configuratie/Kleuren/LeesSchrijfAchtergrondKleur",
        "/Configuratie/Kleuren/LijstTekstKleur",
        "/Configuratie/Kleuren/SavePointAchtergrondKleur",
        "/Configuratie/Kleuren/SlechtsLeesAchtergrondKleur",
        "/Configuratie/Kodering",
        operationeel + "GebruikKleurenVoorStatusIndikatie",
        operationeel + "GeselekteerdeKolom",
        operationeel + "GeselekteerdeKolomRichting",
        operationeel + "GeselekteerdeRekFunkType",
        operationeel + "GeselekteerdeRekPrioriteit",
        operationeel + "GeselekteerdeRekStatus",
        operationeel + "GeselekteerdeRekType",
        "/Configuratie/RekEigenschappen/Meldingen/StandaardNietsTeDoenMelding",
        "/Gebruikersinstellingen/Encoding",
        "/Gebruikersinstellingen/GebruikSecretStoreToegangToegestaan",
        "/Gebruikersinstellingen/Venster/GrootteX",
        "/Gebruikersinstellingen/Venster/GrootteY",
        "/Gebruikersinstellingen/Venster/KoordinaatX",
        "/Gebruikersinstellingen/Venster/KoordinaatY",
        "/Gebruikersinstellingen/toonHulptoolTips",
        "/Operationeel/GebruikSecretStoreAlGevraagd",
        "/Operationeel/LaatsteDataPad",
        "/Statistiek/KonfigAangemaakt",
        "/Statistiek/OS",
        "/Statistiek/StartDatum",
        "/Statistiek/StartTijd",
        "/Statistiek/StopDatum",
        "/Statistiek/StopTijd",
    };
    // The file history writes all its places.
    for (int i = 1; i <= 9; ++i)
        verwacht.push_back(operationeel + "GekozenBestanden/file" + std::to_string(i));
    std::sort(verwacht.begin(), verwacht.end());
    auto konfig = openKonfigBestand();
    EXPECT_EQ(alleSleutels(*konfig), verwacht);
    EXPECT_EQ(konfig->Read(operationeel + "GekozenBestanden/file1"), pad);
}
