// The window's settings: a first start's defaults, stored values checked
// before they reach a control, and everything written back at the end.
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/toepassing/venster/VensterHulp.h"

namespace
{
const wxString operationeel = "/Configuratie/Operationeel/";
} // namespace

TEST(VensterInstellingen, AFirstStartHasTheDefaults)
{
    VApp app;
    TestVenster* venster = maakVenster(*app);
    for (int id : {VerelTamsoVenster::ID_AUTOMATISCHSRNUMMER, VerelTamsoVenster::ID_AUTOMATISCHSCHRIJVER,
                   VerelTamsoVenster::ID_DUBBELKLIKTOONMODE, VerelTamsoVenster::ID_GEBRUIKKLEURENVOORSTATUS})
        EXPECT_TRUE(venster->gedragMenu->IsChecked(id)) << id;
    EXPECT_FALSE(venster->gedragMenu->IsChecked(VerelTamsoVenster::ID_DUBBELKLIKEDITMODE));
    EXPECT_EQ(venster->geefGeselekteerdeKolom(), VerelTamsoApp::KolomID);
    EXPECT_EQ(venster->kolomRichting, SorteringAflopend);
    EXPECT_EQ(venster->statusKeuze->GetSelection(), Requirement::StatusAlle);
    EXPECT_EQ(venster->typeKeuze->GetSelection(), Requirement::TypeAlle);
    EXPECT_EQ(venster->funkTypeKeuze->GetSelection(), Requirement::FunkTypeAlle);
    EXPECT_EQ(venster->prioriteitSchuif->GetValue(), 1);
    EXPECT_EQ(venster->recenteBestandenMenu->GetMenuItemCount(), 0u);

    // The pop-up menu: the same labels, accelerators included, as the
    // requirement menu, in the order add, show, edit, duplicate, delete.
    const int volgorde[] = {wxID_ADD, VerelTamsoVenster::ID_TOONITEM, VerelTamsoVenster::ID_BEWERKITEM, wxID_DUPLICATE,
                            wxID_DELETE};
    ASSERT_EQ(venster->popupMenu->GetMenuItemCount(), 5u);
    for (size_t i = 0; i < 5; ++i)
    {
        const wxMenuItem* item = venster->popupMenu->FindItemByPosition(i);
        EXPECT_EQ(item->GetId(), volgorde[i]);
        EXPECT_EQ(item->GetItemLabel(), venster->requirementsMenu->GetLabel(volgorde[i]));
    }
    EXPECT_TRUE(venster->popupMenu->GetLabel(wxID_ADD).EndsWith("\tCtrl+N"));
    sluitVenster(venster);
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
        TestVenster* venster = maakVenster(*app);
        EXPECT_EQ(venster->geselekteerdeKolom.waarde, geval.verwachtKolom) << geval.kolom;
        EXPECT_EQ(static_cast<long>(venster->kolomRichting), geval.verwachtRichting) << geval.richting;
        EXPECT_EQ(venster->statusKeuze->GetSelection(), geval.verwachtStatus) << geval.status;
        EXPECT_EQ(venster->typeKeuze->GetSelection(), geval.verwachtType) << geval.type;
        EXPECT_EQ(venster->funkTypeKeuze->GetSelection(), geval.verwachtFunkType) << geval.funkType;
        EXPECT_EQ(venster->prioriteitSchuif->GetValue(), geval.verwachtPrioriteit) << geval.prioriteit;
        sluitVenster(venster);
    }
}

TEST(VensterInstellingen, WhatTheUserChoseIsThereAtTheNextStart)
{
    const wxString pad = projectPad("p.vtd");
    {
        VApp app;
        ASSERT_EQ(app->openProject(pad), 0);
        TestVenster* venster = maakVenster(*app);
        venster->start();
        klikKop(*venster, 2);
        klikKop(*venster, 2);
        venster->statusKeuze->SetSelection(1);
        venster->typeKeuze->SetSelection(2);
        venster->funkTypeKeuze->SetSelection(3);
        venster->prioriteitSchuif->SetValue(33);
        stuurMenu(*venster, VerelTamsoVenster::ID_GEBRUIKKLEURENVOORSTATUS);
        stuurMenu(*venster, VerelTamsoVenster::ID_DUBBELKLIKEDITMODE);
        venster->gedragMenu->Check(VerelTamsoVenster::ID_AUTOMATISCHSRNUMMER, false);
        venster->bestandGeschiedenis.AddFileToHistory(pad);
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
    TestVenster* venster = maakVenster(*app);
    EXPECT_EQ(venster->geselekteerdeKolom.waarde, 2u);
    EXPECT_EQ(venster->kolomRichting, SorteringOplopend);
    EXPECT_EQ(venster->prioriteitSchuif->GetValue(), 33);
    EXPECT_FALSE(venster->statusKleuren.boolean());
    EXPECT_TRUE(venster->dubbelKlikBewerkt.boolean());
    EXPECT_TRUE(venster->gedragMenu->IsChecked(VerelTamsoVenster::ID_DUBBELKLIKEDITMODE));
    EXPECT_EQ(venster->recenteBestandenMenu->GetMenuItemCount(), 1u);
    sluitVenster(venster);
}
