// The list's font and colours chosen in their dialog, and the project's
// currency: the real dialogs shown, their buttons clicked, every font and
// colour asked answered by the test; then the application, the list and the
// configuration file.
#include "swexternals/desktop/ValutaKeuzeDialoog.h"
#include "swexternals/desktop/VoegValutaToe.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "toepassing/venster/KleurKiezerDialoog.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <wx/bmpcbox.h>
#include <wx/listbox.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/textctrl.h>

namespace
{
using V = VerelTamsoVenster;
using K = KleurKiezerDialoog;

// The next dialog is shown, filled in, and left with its Cancel button.
void klikAnnuleer(DialoogBeantwoorder::Invuller vulIn)
{
    dialoogBeantwoorder().verwacht(
        [vulIn](wxDialog& dialoog)
        {
            dialoog.CallAfter(
                [&dialoog, vulIn]
                {
                    vulIn(dialoog);
                    ::klik(dialoog, wxID_CANCEL);
                });
            return static_cast<int>(wxID_NONE);
        });
}

struct Voorbeeld
{
    wxFont font;
    wxColour tekst;
    wxColour achtergrond;
};

// What the sample shows.
Voorbeeld voorbeeld(wxDialog& dialoog)
{
    auto& tekst = vind<wxRichTextCtrl>(dialoog, K::ID_VOORBEELD);
    const wxRichTextAttr stijl = tekst.GetBasicStyle();
    EXPECT_EQ(tekst.GetBackgroundColour(), stijl.GetBackgroundColour());
    return {stijl.GetFont(), stijl.GetTextColour(), stijl.GetBackgroundColour()};
}

bool zelfdeFont(const wxFont& a, const wxFont& b)
{
    return a.GetFaceName() == b.GetFaceName() && a.GetPointSize() == b.GetPointSize() &&
           a.GetWeight() == b.GetWeight() && a.GetStyle() == b.GetStyle();
}

long kleurGetal(const wxColour& kleur)
{
    return kleur.Red() | kleur.Green() << 8 | kleur.Blue() << 16;
}

const wxColour zwart(1, 2, 3);
const wxColour wit(200, 210, 220);
const wxColour grijs(50, 60, 70);

class KleurKiezer : public OpdrachtTest
{
protected:
    wxFont standaard;
    wxFont gekozen;

    void SetUp() override
    {
        OpdrachtTest::SetUp();
        openProject(testPad("p.vtd"), {{1, "Boil"}, {2, "Pour"}});
        standaard = app->geefFont();
        gekozen = wxFont(wxFontInfo(standaard.GetPointSize() + 4).Bold().Italic());
    }
};
} // namespace

TEST_F(KleurKiezer, DeKeuzeKomtInDeLijstEnBijHetVolgendeBeginTerug)
{
    EXPECT_TRUE(isAan(V::ID_ZETKLEUREN));
    vragen.antwoordFont(gekozen);
    vragen.antwoordKleur(zwart);
    vragen.antwoordKleur(wit);
    vragen.antwoordKleur(grijs);
    vragen.antwoordKleur(std::nullopt); // safe mode: cancelled
    dialoogBeantwoorder().klikOK(
        [&](wxDialog& dialoog)
        {
            EXPECT_EQ(dialoog.GetTitle(), "Choose the standard font and colour settings for Verel Tamso.");
            // The list's font and colours as they are.
            Voorbeeld getoond = voorbeeld(dialoog);
            EXPECT_TRUE(zelfdeFont(getoond.font, standaard));
            EXPECT_EQ(getoond.tekst, VerelTamsoApp::donkerblauw);
            EXPECT_EQ(getoond.achtergrond, VerelTamsoApp::lichtgeel);

            ::klik(dialoog, K::ID_KIESFONT);
            EXPECT_TRUE(zelfdeFont(voorbeeld(dialoog).font, gekozen));
            ::klik(dialoog, K::ID_TEKSTKLEUR);
            EXPECT_EQ(voorbeeld(dialoog).tekst, zwart);
            ::klik(dialoog, K::ID_ACHTERGRONDKLEUR);
            EXPECT_EQ(voorbeeld(dialoog).achtergrond, wit);
            // The sample shows the last background chosen.
            ::klik(dialoog, K::ID_SLECHTSLEZENACHTERGRONDKLEUR);
            EXPECT_EQ(voorbeeld(dialoog).achtergrond, grijs);
            ::klik(dialoog, K::ID_SAFEMODEACHTERGRONDKLEUR);
            getoond = voorbeeld(dialoog);
            EXPECT_EQ(getoond.achtergrond, grijs);
            EXPECT_EQ(getoond.tekst, zwart);
            EXPECT_TRUE(zelfdeFont(getoond.font, gekozen));
        });
    klik(V::ID_ZETKLEUREN);
    // Each colour dialog opened on the colour it changes.
    ASSERT_EQ(vragen.geefVragen().size(), 5u);
    EXPECT_TRUE(zelfdeFont(vragen.geefVragen()[0].font, standaard));
    EXPECT_EQ(vragen.geefVragen()[1].kleur, VerelTamsoApp::donkerblauw);
    EXPECT_EQ(vragen.geefVragen()[2].kleur, VerelTamsoApp::lichtgeel);
    EXPECT_EQ(vragen.geefVragen()[3].kleur, VerelTamsoApp::veiligRoze);
    EXPECT_EQ(vragen.geefVragen()[4].kleur, VerelTamsoApp::groen);

    // The three backgrounds stay apart.
    EXPECT_TRUE(zelfdeFont(app->lijstFont, gekozen));
    EXPECT_EQ(app->lijstTekstKleur, zwart);
    EXPECT_EQ(app->leesSchrijfAchtergrondKleur, wit);
    EXPECT_EQ(app->slechtsLeesAchtergrondKleur, grijs);
    EXPECT_EQ(app->savePointAchtergrondKleur, VerelTamsoApp::groen);
    // The list shows them at once.
    RekLijstCtrl& lijst = *venster->geefRekLijst();
    EXPECT_TRUE(zelfdeFont(lijst.GetFont(), gekozen));
    EXPECT_EQ(lijst.GetTextColour(), zwart);
    EXPECT_EQ(lijst.GetBackgroundColour(), wit);
    EXPECT_EQ(lijst.GetItemCount(), 2);

    // The end of the program writes them to the configuration file.
    const wxString beschrijving = app->lijstFont.GetNativeFontInfoDesc();
    venster->Destroy();
    ASSERT_TRUE(wachtOp([&] { return !venster; }));
    app.beeindig();
    const auto konfig = openKonfigBestand();
    EXPECT_EQ(konfig->ReadLong("/Configuratie/Kleuren/LijstTekstKleur", -1), kleurGetal(zwart));
    EXPECT_EQ(konfig->ReadLong("/Configuratie/Kleuren/LeesSchrijfAchtergrondKleur", -1), kleurGetal(wit));
    EXPECT_EQ(konfig->ReadLong("/Configuratie/Kleuren/SlechtsLeesAchtergrondKleur", -1), kleurGetal(grijs));
    EXPECT_EQ(konfig->ReadLong("/Configuratie/Kleuren/SavePointAchtergrondKleur", -1),
              kleurGetal(VerelTamsoApp::groen));
    EXPECT_EQ(konfig->Read("/Configuratie/Font/InheemseBeschrijving"), beschrijving);
}

TEST_F(KleurKiezer, StandaardwaardenNaAnnulerenNietsEnNaOKAlles)
{
    app->lijstFont = gekozen;
    app->lijstTekstKleur = zwart;
    app->leesSchrijfAchtergrondKleur = wit;
    app->slechtsLeesAchtergrondKleur = grijs;
    app->savePointAchtergrondKleur = grijs;
    const auto herstel = [](wxDialog& dialoog)
    {
        ::klik(dialoog, wxID_DEFAULT);
        const Voorbeeld getoond = voorbeeld(dialoog);
        EXPECT_TRUE(zelfdeFont(getoond.font, KleurKiezerDialoog::geefStandaardFont()));
        EXPECT_EQ(getoond.tekst, VerelTamsoApp::donkerblauw);
        EXPECT_EQ(getoond.achtergrond, VerelTamsoApp::lichtgeel);
    };
    klikAnnuleer(herstel);
    klik(V::ID_ZETKLEUREN);
    EXPECT_TRUE(zelfdeFont(app->lijstFont, gekozen));
    EXPECT_EQ(app->lijstTekstKleur, zwart);
    EXPECT_EQ(app->leesSchrijfAchtergrondKleur, wit);
    EXPECT_EQ(app->slechtsLeesAchtergrondKleur, grijs);
    EXPECT_EQ(app->savePointAchtergrondKleur, grijs);

    dialoogBeantwoorder().klikOK(herstel);
    klik(V::ID_ZETKLEUREN);
    EXPECT_TRUE(zelfdeFont(app->lijstFont, KleurKiezerDialoog::geefStandaardFont()));
    EXPECT_EQ(app->lijstTekstKleur, VerelTamsoApp::donkerblauw);
    EXPECT_EQ(app->leesSchrijfAchtergrondKleur, VerelTamsoApp::lichtgeel);
    EXPECT_EQ(app->slechtsLeesAchtergrondKleur, VerelTamsoApp::veiligRoze);
    EXPECT_EQ(app->savePointAchtergrondKleur, VerelTamsoApp::groen);
    EXPECT_TRUE(vragen.geefVragen().empty());
}

// The font of an earlier session is the list's from the first row on, and
// the sample's; OK after a change of colour alone leaves it as it is.
TEST_F(KleurKiezer, DeBewaardeFontVanafHetBeginEnOKVeranderdAlleenWatGekozenIs)
{
    app->lijstFont = gekozen;
    venster->Destroy();
    ASSERT_TRUE(wachtOp([&] { return !venster; }));
    app.beeindig();

    VApp volgende;
    VerelTamsoVenster* nieuw = maakVenster(*volgende);
    RekLijstCtrl& lijst = *nieuw->geefRekLijst();
    EXPECT_TRUE(zelfdeFont(lijst.GetFont(), gekozen));
    ASSERT_EQ(volgende->openProject(testPad("p.vtd")), 0);
    nieuw->start();
    const wxString getoond = lijst.GetFont().GetNativeFontInfoDesc();
    vragen.antwoordKleur(zwart);
    dialoogBeantwoorder().klikOK(
        [&](wxDialog& dialoog)
        {
            EXPECT_TRUE(zelfdeFont(voorbeeld(dialoog).font, lijst.GetFont()));
            ::klik(dialoog, K::ID_TEKSTKLEUR);
        });
    stuurMenu(*nieuw, V::ID_ZETKLEUREN);
    EXPECT_EQ(lijst.GetTextColour(), zwart);
    EXPECT_EQ(lijst.GetFont().GetNativeFontInfoDesc(), getoond);
    EXPECT_EQ(volgende->lijstFont.GetNativeFontInfoDesc(), getoond);
    ::sluitVenster(nieuw);
}

TEST_F(OpdrachtTest, DeProjektValutaMetEigenValutasDieBlijven)
{
    const wxString dollar = "USD\t\t United States Dollar \t\tUS$";
    const wxString eigen = "ABC\t\t Alfabet \t\tA";
    const wxString pad = testPad("p.vtd");
    openProject(pad, {{1, "Boil"}});
    EXPECT_TRUE(isAan(V::ID_ZETPROJEKTVALUTA));
    const wxString oud = app->geefProjektValuta().exportTabVersie();

    // Cancel keeps the currency.
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    klik(V::ID_ZETPROJEKTVALUTA);
    EXPECT_EQ(app->geefProjektValuta().exportTabVersie(), oud);
    EXPECT_FALSE(isGewijzigd());

    // "New": the user makes an own currency, and chooses it.
    dialoogBeantwoorder().klikOK(
        [&](wxDialog& dialoog)
        {
            EXPECT_EQ(dialoog.GetTitle(), "Currency selection");
            dialoogBeantwoorder().klikOK(
                [](wxDialog& eigenValutas)
                {
                    auto& lijst = vind<wxListBox>(eigenValutas, VoegValutaToe::ID_EIGEN_VALUTA_SOORTEN);
                    lijst.SetSelection(1);
                    wxCommandEvent kies(wxEVT_LISTBOX, lijst.GetId());
                    kies.SetEventObject(&lijst);
                    kies.SetInt(1);
                    lijst.GetEventHandler()->ProcessEvent(kies);
                    vind<wxTextCtrl>(eigenValutas, VoegValutaToe::ID_VALUTA_KODE).SetValue("ABC");
                    vind<wxTextCtrl>(eigenValutas, VoegValutaToe::ID_VALUTA_NAAM).SetValue(" Alfabet ");
                    vind<wxTextCtrl>(eigenValutas, VoegValutaToe::ID_VALUTA_SYMBOOL).SetValue("A");
                    ::klik(eigenValutas, wxID_APPLY);
                });
            ::klik(dialoog, wxID_NEW);
            auto& keuze = vind<wxBitmapComboBox>(dialoog, ValutaKeuzeDialoog::ID_VALUTA_KEUZE);
            const int regel = keuze.FindString(eigen, true);
            ASSERT_NE(regel, wxNOT_FOUND);
            keuze.SetSelection(regel);
        });
    klik(V::ID_ZETPROJEKTVALUTA);
    EXPECT_EQ(app->geefProjektValuta().exportTabVersie(), eigen);
    // A change of the project, open until it is committed.
    EXPECT_TRUE(app->rolTerugMogelijk());
    EXPECT_TRUE(isGewijzigd());

    // The next time the own currency is offered still.
    dialoogBeantwoorder().klikOK(
        [&](wxDialog& dialoog)
        {
            auto& keuze = vind<wxBitmapComboBox>(dialoog, ValutaKeuzeDialoog::ID_VALUTA_KEUZE);
            EXPECT_EQ(keuze.GetStringSelection(), eigen);
            keuze.SetSelection(keuze.FindString(dollar, true));
        });
    klik(V::ID_ZETPROJEKTVALUTA);
    EXPECT_EQ(app->geefProjektValuta().exportTabVersie(), dollar);

    // Kept in the configuration file, the project's currency in the project.
    ASSERT_EQ(app->stopTransaktie(), 0);
    venster->Destroy();
    ASSERT_TRUE(wachtOp([&] { return !venster; }));
    app.beeindig();
    EXPECT_EQ(openKonfigBestand()->Read("/Configuratie/EigenTalen/taal1"), eigen);
    App ander;
    ASSERT_EQ(ander->openProject(pad), 0);
    EXPECT_EQ(ander->geefProjektValuta().exportTabVersie(), dollar);
}
