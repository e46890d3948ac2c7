// What a refill changes is on the screen at once, without a paint from
// outside: the header's texts and its columns' borders as a fresh paint of
// the header shows them, and the gauge right after the completion text, as
// a freshly made window puts it.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/toepassing/venster/SchermBeeld.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <wx/settings.h>

namespace
{
using V = VerelTamsoVenster;

wxWindow& kopVan(RekLijstCtrl& lijst)
{
    for (wxWindow* kind : lijst.GetChildren())
        if (kind != lijst.GetTargetWindow())
            return *kind;
    throw std::logic_error("the list has no header");
}

// The header on the screen, as far as its columns reach, and short of the
// right end, where GTK's scroll bar comes over it and fades.
std::vector<unsigned long> kopBeeld(RekLijstCtrl& lijst)
{
    wxRect plaats = kopVan(lijst).GetScreenRect();
    int kolommen = 0;
    for (int kolom = 0; kolom < lijst.GetColumnCount(); ++kolom)
        kolommen += lijst.GetColumnWidth(kolom);
    plaats.width = std::min(kolommen, plaats.width - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &lijst));
    return schermBeeld(plaats);
}

// As GTK paints after a command: what was asked to be painted is painted
// first, then the loop runs idle, and paints what that asked for.
void laatSchilderen(wxWindow& venster)
{
    venster.Update();
    verwerkGebeurtenissen();
    venster.Update();
}

void toon(VerelTamsoVenster& venster)
{
    venster.Show();
    ASSERT_TRUE(wachtOp([&] { return venster.IsShownOnScreen(); }));
    laatSchilderen(venster);
}
} // namespace

TEST_F(VensterTest, WhatARefillChangesIsOnTheScreenAtOnce)
{
    // Rows enough to scroll, the people further down with longer names.
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<200) insert into Requirements "
                   "(SR,naam,prioriteit,totaleKosten,status,auteur,testIngenieur) select 100+i,'Step '||i,i%90+1,i*7,"
                   "i%5,case when i>150 then 'Maximiliane Oberhauser' else 'Tom' end,case when i%3=0 then 'Jan' else "
                   "'Sofia Rossi-Lindqvist' end from n"});
    venster->verversLijst();
    toon(*venster);
    RekLijstCtrl& lijst = *venster->geefRekLijst();

    const std::pair<const char*, std::function<void()>> verversingen[] = {
        {"a block far down moved up",
         [&]
         {
             ASSERT_EQ(venster->selekteerRequirements(lijstVan({metNummer(130), metNummer(131)}), StandAan), 0);
             laatSchilderen(*venster);
             stuurMenu(*venster, wxID_UP);
         }},
        {"status colours off", [&] { stuurMenu(*venster, V::ID_GEBRUIKKLEURENVOORSTATUS); }},
        {"the title's header clicked", [&] { klikKop(*venster, VerelTamsoApp::KolomTitel); }},
        {"the title's header clicked again", [&] { klikKop(*venster, VerelTamsoApp::KolomTitel); }},
        {"the author's header clicked", [&] { klikKop(*venster, VerelTamsoApp::KolomAuteur); }},
        {"none above the threshold",
         [&]
         {
             prioriteitDrempel(*venster).SetValue(100);
             wxScrollEvent los(wxEVT_SCROLL_THUMBRELEASE, V::ID_REKPRIORITEIT);
             venster->GetEventHandler()->ProcessEvent(los);
         }},
    };
    for (const auto& [naam, ververs] : verversingen)
    {
        ververs();
        laatSchilderen(*venster);
        const std::vector<unsigned long> getoond = kopBeeld(lijst);
        kopVan(lijst).Refresh();
        laatSchilderen(*venster);
        const std::vector<unsigned long> vers = kopBeeld(lijst);
        ASSERT_FALSE(vers.empty());
        EXPECT_TRUE(getoond == vers) << naam;
    }

    // The completion text became shorter: a window made anew on the same
    // project, sorted and filtered alike, puts the gauge as near to it.
    const auto meterAfstand = [](VerelTamsoVenster& venster)
    {
        return voltooiingMeter(venster).GetPosition().x -
               vind<wxStaticText>(venster, V::ID_VOLTOOIING_LABEL).GetPosition().x;
    };
    ASSERT_EQ(labelVan(*venster, V::ID_VOLTOOIING_LABEL), "No completion");
    const int afstand = meterAfstand(*venster);
    sluitVenster(venster);
    venster = maakVenster(*app);
    venster->start();
    toon(*venster);
    ASSERT_EQ(labelVan(*venster, V::ID_VOLTOOIING_LABEL), "No completion");
    EXPECT_EQ(afstand, meterAfstand(*venster));
}
