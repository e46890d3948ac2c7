#include "tests/toepassing/venster/VensterHulp.h"

#include "tests/ondersteuning/GuiHulp.h"

TestVenster* maakVenster(VensterApp& app)
{
    auto* venster = new TestVenster(nullptr, &app, VerelTamsoVenster::ID_VERELTAMSOVENSTER, "Verel Tamso");
    app.venster = venster;
    app.zetHoofdVenster(venster, false, false);
    return venster;
}

void sluitVenster(TestVenster*& venster)
{
    if (!venster)
        return;
    venster->Destroy();
    venster = nullptr;
    verwerkGebeurtenissen();
}

void stuurMenu(wxWindow& venster, int id)
{
    wxCommandEvent gebeurtenis(wxEVT_MENU, id);
    gebeurtenis.SetEventObject(&venster);
    venster.GetEventHandler()->ProcessEvent(gebeurtenis);
}

bool isIngeschakeld(wxWindow& venster, int id)
{
    wxUpdateUIEvent gebeurtenis(id);
    gebeurtenis.SetEventObject(&venster);
    venster.GetEventHandler()->ProcessEvent(gebeurtenis);
    return !gebeurtenis.GetSetEnabled() || gebeurtenis.GetEnabled();
}

void klikKop(TestVenster& venster, int kolom)
{
    wxListEvent gebeurtenis(wxEVT_LIST_COL_CLICK, VerelTamsoVenster::ID_REKLIJST);
    gebeurtenis.SetEventObject(venster.geefRekLijst());
    gebeurtenis.m_col = kolom;
    venster.geefRekLijst()->GetEventHandler()->ProcessEvent(gebeurtenis);
}

wxString kopTekst(TestVenster& venster, int kolom)
{
    wxListItem kop;
    kop.SetMask(wxLIST_MASK_TEXT);
    venster.geefRekLijst()->GetColumn(kolom, kop);
    return kop.GetText();
}

std::vector<wxString> rijTeksten(TestVenster& venster, long rij)
{
    std::vector<wxString> teksten;
    for (int kolom = 0; kolom < VerelTamsoApp::aantalKolommen; ++kolom)
        teksten.push_back(venster.geefRekLijst()->GetItemText(rij, kolom));
    return teksten;
}

std::vector<wxString> nummersInLijst(TestVenster& venster)
{
    std::vector<wxString> nummers;
    for (long rij = 0; rij < venster.geefRekLijst()->GetItemCount(); ++rij)
        nummers.push_back(venster.geefRekLijst()->GetItemText(rij, 0));
    return nummers;
}

void VensterTest::SetUp()
{
    ASSERT_EQ(app->openProject(pad), 0);
    voegRijenToe(*app, {{10, "Boil water", 80, 300, 0},
                        {20, "Grind beans", 60, 200, 1},
                        {30, "Pour", 40, 100, 2},
                        {40, "Serve", 20, 50, 3},
                        {50, "Clean up", 10, 25, 4}});
    ASSERT_EQ(app->zetProjektNaam("Coffee"), 0);
    ASSERT_EQ(app->stopTransaktie(), 0);
    venster = maakVenster(*app);
    venster->start();
}
