// The application's one password in the system's store, and the one
// question whether the store may be used: asked once, remembered across
// starts, never taken as a refusal when the store is only not running, and
// nothing loaded without the user's yes. The store is kept in memory here;
// the real keyring is in the sleutelbos test.
#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/platform/GeenKluis.h"
#ifdef VT_MET_LIBSECRET
#include "swexternals/desktop/platform/LibsecretKluis.h"
#endif
#include "swexternals/desktop/platform/WachtwoordKluis.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TijdelijkeApp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

namespace
{
// A store in memory that can be made unreachable or failing.
class GeheugenKluis : public WachtwoordKluis
{
public:
    GeheugenKluis() : vorige(WachtwoordKluis::zet(this)) {}
    ~GeheugenKluis() override { WachtwoordKluis::zet(vorige == this ? nullptr : vorige); }

    Staat geefStaat() override { return staat; }
    wxString geefFout() const override { return staat == Staat::bruikbaar ? wxString() : "the keyring is locked"; }
    bool bewaar(const wxString& dienst, const wxString& gebruiker, const wxString& wachtwoord) override
    {
        if (faalt)
            return false;
        opgeslagen[dienst] = {gebruiker, wachtwoord};
        return true;
    }
    bool laad(const wxString& dienst, wxString& wachtwoord) override
    {
        const auto gevonden = opgeslagen.find(dienst);
        if (gevonden == opgeslagen.end())
            return false;
        wachtwoord = gevonden->second.second;
        return true;
    }
    bool verwijder(const wxString& dienst) override
    {
        if (faalt)
            return false;
        opgeslagen.erase(dienst);
        return true;
    }

    Staat staat = Staat::bruikbaar;
    bool faalt = false;
    std::map<wxString, std::pair<wxString, wxString>> opgeslagen;

private:
    WachtwoordKluis* vorige;
};

class ProefApp : public DesktopApp
{
public:
    ProefApp() : DesktopApp("VerelTamso", "vtd") {}
};
using App = TijdelijkeApp<ProefApp>;

const wxString vraagTitel = "VerelTamso is able to use the system's password manager to store credentials.";

// The two remembered answers, as the next start reads them.
std::pair<bool, bool> bewaardeKeuze()
{
    const auto konfig = openKonfigBestand();
    return {konfig->ReadBool("/Operationeel/GebruikSecretStoreAlGevraagd", false),
            konfig->ReadBool("/Gebruikersinstellingen/GebruikSecretStoreToegangToegestaan", false)};
}
} // namespace

TEST(Wachtwoord, DeVraagKomtEenKeerEnHetAntwoordBlijftBewaard)
{
    GeheugenKluis kluis;
    VraagBeantwoorder vragen;
    {
        App app;
        vragen.antwoord(wxNO);
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
        ASSERT_EQ(vragen.geefGesteld().size(), 1u);
        EXPECT_TRUE(vragen.isGevraagd("Would you like to use the system's native key chain manager to store "
                                      "authentication data for this application?"));
        // Refused: no more questions, nothing kept, nothing reported.
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
        EXPECT_EQ(app->verwijderUitOSSleutelBibliotheek(), 1);
        EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
        EXPECT_FALSE(app->isOSSleutelBibliotheekBeschikbaar());
        EXPECT_EQ(vragen.geefGesteld().size(), 1u);
        EXPECT_TRUE(kluis.opgeslagen.empty());
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u);
    }
    EXPECT_EQ(bewaardeKeuze(), std::make_pair(true, false));
    {
        App app;
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
        EXPECT_EQ(vragen.geefGesteld().size(), 1u);
        // The user changes the answer in the program's settings.
        app->zetSecretStoreToegang(true);
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 0);
    }
    EXPECT_EQ(bewaardeKeuze(), std::make_pair(true, true));
    App app;
    EXPECT_EQ(app->vraagAanOSSleutelBibliotheek(), "geheim");
    EXPECT_EQ(kluis.opgeslagen["VerelTamso"].first, DesktopAppBasis::geefGebruikerLogin());
    // Reset asks nothing while access is allowed.
    app->resetSecretStoreOpgeslagenVoorkeuren();
    EXPECT_EQ(app->verwijderUitOSSleutelBibliotheek(), 0);
    EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
    EXPECT_EQ(vragen.geefGesteld().size(), 1u);
}

TEST(Wachtwoord, JaBewaartLaadtEnVerwijdert)
{
    GeheugenKluis kluis;
    VraagBeantwoorder vragen;
    App app;
    vragen.antwoord(wxYES);
    EXPECT_TRUE(app->isOSSleutelBibliotheekBeschikbaar());
    EXPECT_TRUE(app->isSecretStoreGebruikToegestaan());
    EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString(wxString::FromUTF8("g\xc3\xa9heim 100%"))), 0);
    EXPECT_EQ(app->vraagAanOSSleutelBibliotheek(), wxString::FromUTF8("g\xc3\xa9heim 100%"));
    EXPECT_EQ(app->verwijderUitOSSleutelBibliotheek(), 0);
    EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
    EXPECT_EQ(vragen.geefGesteld().size(), 1u);
    EXPECT_EQ(vragen.geefGesteld()[0].Find(vraagTitel) != wxNOT_FOUND, true) << vragen.geefGesteld()[0];
}

TEST(Wachtwoord, AnnulerenGeeftGeenToestemming)
{
    GeheugenKluis kluis;
    kluis.opgeslagen["VerelTamso"] = {"iemand", "al bewaard"};
    VraagBeantwoorder vragen;
    {
        App app;
        vragen.antwoord(wxCANCEL);
        // Nothing is loaded without a yes; the question comes again.
        EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
        vragen.antwoord(wxCANCEL);
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("nieuw")), 1);
        EXPECT_EQ(vragen.geefGesteld().size(), 2u);
        EXPECT_EQ(kluis.opgeslagen["VerelTamso"].second, "al bewaard");
    }
    EXPECT_EQ(bewaardeKeuze(), std::make_pair(false, false));
}

TEST(Wachtwoord, EenKluisDieNuNietDraaitIsGeenWeigering)
{
    GeheugenKluis kluis;
    kluis.staat = WachtwoordKluis::Staat::nietBereikbaar;
    VraagBeantwoorder vragen;
    {
        App app;
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
        EXPECT_FALSE(app->isOSSleutelBibliotheekBeschikbaar());
        EXPECT_TRUE(vragen.geefGesteld().empty());
    }
    EXPECT_EQ(bewaardeKeuze(), std::make_pair(false, false));

    // The next day the keyring runs: now the user is asked.
    kluis.staat = WachtwoordKluis::Staat::bruikbaar;
    App app;
    vragen.antwoord(wxYES);
    EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 0);
    EXPECT_EQ(vragen.geefGesteld().size(), 1u);

    // Allowed, but gone again: the user is told why.
    kluis.staat = WachtwoordKluis::Staat::nietBereikbaar;
    const wxString melding =
        "This operating system doesn't support storing passwords securely:(the keyring is locked).";
    EXPECT_FALSE(app->isOSSleutelBibliotheekBeschikbaar());
    EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
    EXPECT_TRUE(logVanger().bevat(melding, wxLOG_Error)) << logVanger().geefAlles();
    logVanger().wis();
    EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
    EXPECT_TRUE(logVanger().bevat(melding, wxLOG_Error));
    logVanger().wis();
    EXPECT_EQ(app->verwijderUitOSSleutelBibliotheek(), 1);
    EXPECT_TRUE(logVanger().bevat(melding, wxLOG_Error));
}

TEST(Wachtwoord, GeenKluisWordtZonderVraagGeweigerdEnMislukkingenGemeld)
{
    {
        GeenKluis geen;
        WachtwoordKluis* vorige = WachtwoordKluis::zet(&geen);
        VraagBeantwoorder vragen;
        {
            App app;
            EXPECT_FALSE(app->isOSSleutelBibliotheekBeschikbaar());
            EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
            EXPECT_TRUE(vragen.geefGesteld().empty());
            // Allowed all the same, the user learns why nothing is kept.
            app->zetSecretStoreToegang(true);
            EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
            EXPECT_TRUE(logVanger().bevat("This operating system doesn't support storing passwords securely:(this "
                                          "program was built without a password store).",
                                          wxLOG_Error));
            app->zetSecretStoreToegang(false);
        }
        EXPECT_EQ(bewaardeKeuze(), std::make_pair(true, false));
        WachtwoordKluis::zet(vorige == &geen ? nullptr : vorige);
    }

    GeheugenKluis kluis;
    kluis.faalt = true;
    App app;
    app->zetSecretStoreToegang(true);
    EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 2);
    EXPECT_TRUE(logVanger().bevat("Failed to save credentials to the system secret store.", wxLOG_Error));
    EXPECT_EQ(app->verwijderUitOSSleutelBibliotheek(), 2);
    EXPECT_TRUE(logVanger().bevat("Failed to delete credentials from the system secret store.", wxLOG_Error));
}

#ifdef VT_MET_LIBSECRET
TEST(Wachtwoord, ZonderSessieIsDeSecretServiceNietBereikbaar)
{
    wxString vorigAdres;
    const bool hadAdres = wxGetEnv("DBUS_SESSION_BUS_ADDRESS", &vorigAdres);
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + testMap().string() + "/geen-bus").c_str(), 1);
    LibsecretKluis kluis;
    EXPECT_EQ(kluis.geefStaat(), WachtwoordKluis::Staat::nietBereikbaar);
    EXPECT_TRUE(kluis.geefFout().StartsWith("there is no D-Bus session to reach the Secret Service through:"))
        << kluis.geefFout();
    if (hadAdres)
        wxSetEnv("DBUS_SESSION_BUS_ADDRESS", vorigAdres);
    else
        wxUnsetEnv("DBUS_SESSION_BUS_ADDRESS");
}
#endif
