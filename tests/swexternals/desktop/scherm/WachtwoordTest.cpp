// The application's one password in the system's store, and the one
// question whether the store may be used: asked once, remembered across
// starts, never taken as a refusal when the store is only not running, and
// nothing loaded without the user's yes. The store is kept in memory here;
// the real keyring is in the sleutelbos test.
#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/platform/GeenKluis.h"
#include "swexternals/desktop/platform/WachtwoordKluis.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TijdelijkeApp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#ifdef VT_MET_LIBSECRET
#include "swexternals/desktop/platform/LibsecretKluis.h"
#endif

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

namespace
{
// A store in memory that can be made unreachable or failing; in place for
// its own lifetime.
class GeheugenKluis : public WachtwoordKluis
{
public:
    GeheugenKluis() : vorige(WachtwoordKluis::zet(this)) {}
    ~GeheugenKluis() override { WachtwoordKluis::zet(vorige); }

    Staat geefStaat() override { return staat; }
    wxString geefFout() const override { return "the keyring is locked"; }
    bool bewaar(const wxString& dienst, const wxString& gebruiker, const wxString& wachtwoord) override
    {
        if (!faalt)
            opgeslagen[dienst] = {gebruiker, wachtwoord};
        return !faalt;
    }
    bool laad(const wxString& dienst, wxString& wachtwoord) override
    {
        const auto gevonden = opgeslagen.find(dienst);
        if (gevonden != opgeslagen.end())
            wachtwoord = gevonden->second.second;
        return gevonden != opgeslagen.end();
    }
    bool verwijder(const wxString& dienst) override
    {
        if (!faalt)
            opgeslagen.erase(dienst);
        return !faalt;
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

// Asked, allowed: the two answers as the next start reads them.
std::pair<bool, bool> bewaardeKeuze()
{
    const auto konfig = openKonfigBestand();
    return {konfig->ReadBool("/Operationeel/GebruikSecretStoreAlGevraagd", false),
            konfig->ReadBool("/Gebruikersinstellingen/GebruikSecretStoreToegangToegestaan", false)};
}

const wxString geenKluisMelding = "This operating system doesn't support storing passwords securely:";
} // namespace

TEST(Wachtwoord, DeVraagKomtEenKeerEnHetAntwoordBlijftBewaard)
{
    GeheugenKluis kluis;
    VraagBeantwoorder vragen;
    {
        App app;
        vragen.antwoord(wxNO);
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
        EXPECT_TRUE(vragen.isGevraagd("VerelTamso is able to use the system's password manager to store "
                                      "credentials."));
        // Refused: no more questions, nothing kept, nothing reported.
        EXPECT_EQ(app->verwijderUitOSSleutelBibliotheek(), 1);
        EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
        EXPECT_FALSE(app->isOSSleutelBibliotheekBeschikbaar());
        EXPECT_TRUE(kluis.opgeslagen.empty());
    }
    EXPECT_EQ(bewaardeKeuze(), std::make_pair(true, false));
    {
        App app;
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
        // Reset asks again; this time the user says yes.
        app->resetSecretStoreOpgeslagenVoorkeuren();
        vragen.antwoord(wxYES);
        EXPECT_TRUE(app->isOSSleutelBibliotheekBeschikbaar());
        const wxString geheim = wxString::FromUTF8("g\xc3\xa9heim 100%");
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString(geheim)), 0);
        EXPECT_EQ(app->vraagAanOSSleutelBibliotheek(), geheim);
        EXPECT_EQ(kluis.opgeslagen["VerelTamso"].first, DesktopAppBasis::geefGebruikerLogin());
    }
    EXPECT_EQ(bewaardeKeuze(), std::make_pair(true, true));
    App app;
    EXPECT_EQ(app->verwijderUitOSSleutelBibliotheek(), 0);
    EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
    EXPECT_EQ(vragen.geefGesteld().size(), 2u);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u);
}

TEST(Wachtwoord, AnnulerenGeeftGeenToestemming)
{
    GeheugenKluis kluis;
    kluis.opgeslagen["VerelTamso"] = {"iemand", "al bewaard"};
    VraagBeantwoorder vragen;
    {
        App app;
        // Nothing is loaded without a yes, and the question comes again.
        vragen.antwoord(wxCANCEL);
        EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
        vragen.antwoord(wxCANCEL);
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("nieuw")), 1);
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
    }
    EXPECT_EQ(bewaardeKeuze(), std::make_pair(false, false));

    // The next day the keyring runs: now the user is asked.
    kluis.staat = WachtwoordKluis::Staat::bruikbaar;
    App app;
    vragen.antwoord(wxYES);
    EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 0);

    // Allowed, but gone again: every operation tells the user why.
    kluis.staat = WachtwoordKluis::Staat::nietBereikbaar;
    EXPECT_FALSE(app->isOSSleutelBibliotheekBeschikbaar());
    EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
    EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
    EXPECT_EQ(app->verwijderUitOSSleutelBibliotheek(), 1);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 3u);
    EXPECT_TRUE(logVanger().bevat(geenKluisMelding + "(the keyring is locked).", wxLOG_Error));
}

TEST(Wachtwoord, ZonderKluisGeenVraagEnMislukkingenWordenGemeld)
{
    VraagBeantwoorder vragen;
    {
        GeenKluis geen;
        WachtwoordKluis* vorige = WachtwoordKluis::zet(&geen);
        App app;
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
        // Allowed all the same, the user learns why nothing is kept.
        app->zetSecretStoreToegang(true);
        EXPECT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("geheim")), 1);
        EXPECT_TRUE(
            logVanger().bevat(geenKluisMelding + "(this program was built without a password store).", wxLOG_Error));
        app->zetSecretStoreToegang(false);
        app.beeindig();
        WachtwoordKluis::zet(vorige);
    }
    EXPECT_EQ(bewaardeKeuze(), std::make_pair(true, false));

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
    wxSetEnv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + alsWx(testMap() / "geen-bus"));
    LibsecretKluis kluis;
    EXPECT_EQ(kluis.geefStaat(), WachtwoordKluis::Staat::nietBereikbaar);
    EXPECT_TRUE(kluis.geefFout().StartsWith("there is no D-Bus session to reach the Secret Service through:"));
    if (hadAdres)
        wxSetEnv("DBUS_SESSION_BUS_ADDRESS", vorigAdres);
    else
        wxUnsetEnv("DBUS_SESSION_BUS_ADDRESS");
}
#endif
