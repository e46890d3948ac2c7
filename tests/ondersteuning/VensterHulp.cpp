#include "tests/ondersteuning/VensterHulp.h"

#include <algorithm>
#include <wx/bmpbuttn.h>
#include <wx/confbase.h>
#include <wx/filename.h>
#include <wx/image.h>

int VensterApp::startDatabase()
{
    if (startFouten > 0)
    {
        --startFouten;
        wxLogError("%s", "The test's start of the project failed.");
        return 2;
    }
    return KernApp::startDatabase();
}

void VensterApp::sluitDB()
{
    KernApp::sluitDB();
    if (naSluiten)
        naSluiten();
}

VerelTamsoVenster* maakVenster(VensterApp& app)
{
    auto* venster = new VerelTamsoVenster(nullptr, &app, VerelTamsoVenster::ID_VERELTAMSOVENSTER, "Verel Tamso");
    app.zetHoofdVenster(venster, false, false);
    return venster;
}

void sluitVenster(VerelTamsoVenster*& venster)
{
    if (!venster)
        return;
    venster->Destroy();
    venster = nullptr;
    verwerkGebeurtenissen();
}

wxString labelVan(wxWindow& venster, int id)
{
    return vind<wxStaticText>(venster, id).GetLabel();
}

wxMenu& recenteBestanden(wxFrame& venster)
{
    return *venster.GetMenuBar()->FindItem(VerelTamsoVenster::ID_OPENRECENT)->GetSubMenu();
}

void klikKop(VerelTamsoVenster& venster, int kolom)
{
    wxListEvent gebeurtenis(wxEVT_LIST_COL_CLICK, VerelTamsoVenster::ID_REKLIJST);
    gebeurtenis.SetEventObject(venster.geefRekLijst());
    gebeurtenis.m_col = kolom;
    venster.geefRekLijst()->GetEventHandler()->ProcessEvent(gebeurtenis);
}

wxString kopTekst(VerelTamsoVenster& venster, int kolom)
{
    wxListItem kop;
    kop.SetMask(wxLIST_MASK_TEXT);
    venster.geefRekLijst()->GetColumn(kolom, kop);
    return kop.GetText();
}

std::vector<wxString> rijTeksten(VerelTamsoVenster& venster, long rij)
{
    std::vector<wxString> teksten;
    for (unsigned int kolom = 0; kolom < VerelTamsoApp::aantalKolommen; ++kolom)
        teksten.push_back(venster.geefRekLijst()->GetItemText(rij, static_cast<int>(kolom)));
    return teksten;
}

std::vector<wxString> nummersInLijst(VerelTamsoVenster& venster)
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

void OpdrachtTest::SetUp()
{
    // What the program's start-up registers before it makes the window.
    static const bool beeldLezers = []
    {
        wxInitAllImageHandlers();
        return true;
    }();
    (void)beeldLezers;
    venster = maakVenster(*app);
    // A fresh configuration names no project: the application object has
    // made one in memory. Each test chooses its own.
    zonderProject();
}

void OpdrachtTest::TearDown()
{
    if (venster)
        venster->Destroy();
    EXPECT_TRUE(wachtOp([this] { return !venster; }));
}

void OpdrachtTest::openProject(const wxString& pad, std::initializer_list<Rij> rijen, const wxString& naam,
                               bool alleenLezen)
{
    maakProjectBestand(pad, rijen, naam);
    ASSERT_EQ(app->openProject(pad, alleenLezen), 0);
    venster->start();
}

void OpdrachtTest::zonderProject()
{
    app->sluitDB();
    venster->start();
}

void OpdrachtTest::zetRecenteBestanden(std::initializer_list<wxString> paden)
{
    venster->Destroy();
    ASSERT_TRUE(wachtOp([this] { return !venster; }));
    // Where the window keeps them between sessions.
    const wxString groep = "/Configuratie/Operationeel/GekozenBestanden";
    wxConfigBase& konfig = app->geefAppConfigRef();
    konfig.DeleteGroup(groep);
    int nummer = 0;
    for (const wxString& pad : paden)
        konfig.Write(wxString::Format("%s/file%d", groep, ++nummer), pad);
    venster = maakVenster(*app);
    venster->start();
}

void OpdrachtTest::sluitVenster()
{
    wxCloseEvent gebeurtenis(wxEVT_CLOSE_WINDOW, venster->GetId());
    gebeurtenis.SetEventObject(venster.get());
    gebeurtenis.SetCanVeto(true);
    venster->ProcessWindowEvent(gebeurtenis);
}

bool OpdrachtTest::isAan(int id)
{
    const wxUpdateUIEvent gebeurtenis = vraagUpdate(*venster, id);
    EXPECT_TRUE(gebeurtenis.GetSetEnabled()) << "no update handler for " << id;
    return gebeurtenis.GetEnabled();
}

std::vector<wxString> OpdrachtTest::titels() const
{
    const RekLijstCtrl* lijst = venster->geefRekLijst();
    std::vector<wxString> uit;
    for (long rij = 0; rij < lijst->GetItemCount(); ++rij)
        uit.push_back(lijst->GetItemText(rij, VerelTamsoApp::KolomTitel));
    return uit;
}

std::vector<wxString> OpdrachtTest::geschiedenis() const
{
    std::vector<wxString> uit;
    for (const wxMenuItem* item : recenteBestanden(*venster).GetMenuItems())
    {
        // "&1 name", the path only where it is another folder's.
        const wxString naam = item->GetItemLabelText().AfterFirst(' ');
        uit.push_back(wxFileName(naam).IsAbsolute() ? naam : testPad(naam));
    }
    return uit;
}

void OpdrachtTest::maakProjectBestand(const wxString& pad, std::initializer_list<Rij> rijen, const wxString& naam)
{
    ASSERT_EQ(app->openProject(pad), 0);
    voerUit(*app, {"update Configuratie set naam=" + SQLite3Basis::quotes(naam)});
    if (rijen.size() > 0)
        voegRijenToe(*app, rijen);
    app->sluitDB();
}

wxString OpdrachtTest::rijenInBestand(const wxString& pad)
{
    wxSQLite3Database project;
    project.Open(pad);
    wxString tekst;
    wxSQLite3ResultSet rij = project.ExecuteQuery("select naam,SR from Requirements order by SR");
    while (rij.NextRow())
        tekst += (tekst.empty() ? "" : ",") + rij.GetString(0) + "=" + rij.GetAsString(1);
    return tekst;
}

bool OpdrachtTest::toontKnopBeeld(const wxString& naam) const
{
    const wxImage getoond = vind<wxBitmapButton>(*venster, VerelTamsoVenster::ID_SCHAKELDBOMNAARSLECHTSLEZEN)
                                .GetBitmapLabel()
                                .ConvertToImage();
    const wxImage verwacht = venster->GetBitmapResource(naam).ConvertToImage();
    return getoond.IsOk() && verwacht.IsOk() && getoond.GetSize() == verwacht.GetSize() &&
           std::equal(getoond.GetData(), getoond.GetData() + getoond.GetWidth() * getoond.GetHeight() * 3,
                      verwacht.GetData());
}
