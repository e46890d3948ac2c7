#include "tests/toepassing/venster/opdrachten/OpdrachtHulp.h"

#include "tests/ondersteuning/GuiHulp.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <algorithm>
#include <wx/bmpbuttn.h>
#include <wx/image.h>
#include <wx/menu.h>

int OpdrachtApp::startDatabase()
{
    if (startFouten > 0)
    {
        --startFouten;
        wxLogError("%s", "The test's start of the project failed.");
        return 2;
    }
    return KernApp::startDatabase();
}

void OpdrachtApp::sluitDB()
{
    KernApp::sluitDB();
    if (naSluiten)
        naSluiten();
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
    venster = new OpdrachtVenster(nullptr, &*app, VerelTamsoVenster::ID_VERELTAMSOVENSTER, "Verel Tamso");
    app->zetHoofdVenster(venster.get(), false, false);
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

void OpdrachtTest::klik(int id)
{
    wxCommandEvent gebeurtenis(wxEVT_MENU, id);
    gebeurtenis.SetEventObject(venster.get());
    venster->ProcessWindowEvent(gebeurtenis);
}

void OpdrachtTest::klikKnop(int id)
{
    wxCommandEvent gebeurtenis(wxEVT_BUTTON, id);
    gebeurtenis.SetEventObject(venster->FindWindow(id));
    venster->ProcessWindowEvent(gebeurtenis);
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
    wxUpdateUIEvent gebeurtenis(id);
    gebeurtenis.SetEventObject(venster.get());
    venster->ProcessWindowEvent(gebeurtenis);
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
    for (size_t i = 0; i < venster->bestandGeschiedenis.GetCount(); ++i)
        uit.push_back(venster->bestandGeschiedenis.GetHistoryFile(i));
    return uit;
}

wxString OpdrachtVragen::kiesBestand(const wxString& bericht, const wxString& standaardMap,
                                     const wxString& standaardNaam, const wxString& wildcard, long stijl,
                                     wxWindow* ouder)
{
    voorgesteldeNamen.push_back(standaardNaam);
    return VraagBeantwoorder::kiesBestand(bericht, standaardMap, standaardNaam, wildcard, stijl, ouder);
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
    const auto* knop =
        static_cast<wxBitmapButton*>(venster->FindWindow(VerelTamsoVenster::ID_SCHAKELDBOMNAARSLECHTSLEZEN));
    const wxImage getoond = knop->GetBitmapLabel().ConvertToImage();
    const wxImage verwacht = venster->GetBitmapResource(naam).ConvertToImage();
    return getoond.IsOk() && verwacht.IsOk() && getoond.GetSize() == verwacht.GetSize() &&
           std::equal(getoond.GetData(), getoond.GetData() + getoond.GetWidth() * getoond.GetHeight() * 3,
                      verwacht.GetData());
}
