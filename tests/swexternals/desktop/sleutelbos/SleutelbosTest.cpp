// The application's password in a real keyring: the Secret Service of a
// D-Bus session of the test's own (metSleutelbos.sh), saved, read back,
// replaced and deleted through the application object.
#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/platform/LibsecretKluis.h"
#include "swexternals/desktop/platform/WachtwoordKluis.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TijdelijkeApp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"

#include <gtest/gtest.h>

namespace
{
class ProefApp : public DesktopApp
{
public:
    ProefApp() : DesktopApp("VerelTamso", "vtd") {}
};
} // namespace

TEST(Sleutelbos, HetWachtwoordGaatDeEchteSleutelbosInEnKomtTerug)
{
    ASSERT_EQ(WachtwoordKluis::geef().geefStaat(), WachtwoordKluis::Staat::bruikbaar)
        << "no Secret Service in this session: " << WachtwoordKluis::geef().geefFout().utf8_str();
    VraagBeantwoorder vragen;
    TijdelijkeApp<ProefApp> app;
    vragen.antwoord(wxYES);
    const wxString geheim = wxString::FromUTF8("g\xc3\xa9heim wachtwoord 100%");
    ASSERT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString(geheim)), 0) << logVanger().geefAlles();
    EXPECT_EQ(app->vraagAanOSSleutelBibliotheek(), geheim);

    // Another program of the same user reads it from the keyring.
    LibsecretKluis anderProgramma;
    wxString gelezen;
    ASSERT_TRUE(anderProgramma.laad("VerelTamso", gelezen));
    EXPECT_EQ(gelezen, geheim);
    EXPECT_FALSE(anderProgramma.laad("EenAnderProgramma", gelezen));

    // Saved again it replaces the first, and deleting leaves nothing.
    ASSERT_EQ(app->voegToeAanOSSleutelBibliotheek(wxSecretString("tweede")), 0);
    EXPECT_EQ(app->vraagAanOSSleutelBibliotheek(), "tweede");
    ASSERT_EQ(app->verwijderUitOSSleutelBibliotheek(), 0);
    EXPECT_TRUE(app->vraagAanOSSleutelBibliotheek().empty());
    EXPECT_FALSE(anderProgramma.laad("VerelTamso", gelezen));
    // Nothing to delete is no failure.
    EXPECT_EQ(app->verwijderUitOSSleutelBibliotheek(), 0);
    EXPECT_EQ(vragen.geefGesteld().size(), 1u);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}
