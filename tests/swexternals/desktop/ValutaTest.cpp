#include "swexternals/desktop/DesktopValuta.h"

#include <gtest/gtest.h>
#include <wx/fileconf.h>
#include <wx/sstream.h>

namespace
{
wxString u(const char* utf8)
{
    return wxString::FromUTF8(utf8);
}
} // namespace

// A project's currency as its tab text: what reads without fault writes back
// the same text; a broken text fills the fields up to the fault.
TEST(Valuta, DeTabTekstVanEenProjectKomtOngeschondenTerug)
{
    struct Geval
    {
        const char* tekst;
        int uitkomst;
        const char* kode;
        const char* beschrijving;
        const char* symbool;
    };
    const std::string naam48(48, 'n');
    const std::string naam49(49, 'n');
    const std::string metNaam48 = "ABC\t\t" + naam48 + "\t\t$";
    const std::string metNaam49 = "ABC\t\t" + naam49 + "\t\t$";
    for (const Geval& geval : {
             Geval{"EUR\t\t European Union Euro \t\t€ ", 0, "EUR", " European Union Euro ", "€ "},
             // Start values of the currency read into: "OLD", "old name", "old".
             Geval{"EUR\tEuro\t\t€", 2, "EUR", "old name", "old"},
             Geval{"EUR", 2, "EUR", "old name", "old"},
             Geval{"EU\t\tEuro\t\t€", 2, "EU", "old name", "old"},
             Geval{"EURO\t\tEuro\t\t€", 2, "EURO", "old name", "old"},
             Geval{metNaam48.c_str(), 0, "ABC", naam48.c_str(), "$"},
             Geval{metNaam49.c_str(), 2, "ABC", naam49.c_str(), "old"},
             Geval{"ABC\t\tName\tx", 2, "ABC", "Name", "old"},
             Geval{"ABC\t\tName\t\tSYMBOL", 2, "ABC", "Name", "SYMBOL"},
             Geval{"ABC\t\tName\t\t", 0, "ABC", "Name", ""},
             Geval{"ABC\t\t\t\t$", 0, "ABC", "", "$"},
             Geval{"ABC\t\tName\t\t$\t", 0, "ABC", "Name", "$\t"},
             Geval{"ABC\t\tName\t\t$\t\t\t\t", 0, "ABC", "Name", "$\t\t\t\t"},
             Geval{"ABC\t\tName\t\t$$\t\t\t\t", 2, "ABC", "Name", "$$\t\t\t\t"},
             Geval{"", 2, "", "old name", "old"},
         })
    {
        DesktopValuta valuta("OLD", "old name", "old", 2.0f);
        EXPECT_EQ(valuta.importTabVersie(u(geval.tekst)), geval.uitkomst) << geval.tekst;
        EXPECT_EQ(valuta.geefKode(), u(geval.kode)) << geval.tekst;
        EXPECT_EQ(valuta.geefBeschrijving(), u(geval.beschrijving)) << geval.tekst;
        EXPECT_EQ(valuta.geefSymbool(), u(geval.symbool)) << geval.tekst;
        if (geval.uitkomst == 0)
        {
            EXPECT_EQ(valuta.exportTabVersie(), u(geval.tekst));
        }
    }

    // Through the text constructor the unreached fields stay empty, and the
    // conversion factor never travels with the text.
    const DesktopValuta zonderTab("EUR");
    EXPECT_EQ(zonderTab.geefKode(), "EUR");
    EXPECT_TRUE(zonderTab.geefBeschrijving().empty() && zonderTab.geefSymbool().empty());
    const DesktopValuta gelezen(DesktopValuta("USD", "US Dollar", "US$", 0.92f).exportTabVersie());
    EXPECT_EQ(gelezen.geefSymbool(), "US$");
    EXPECT_FLOAT_EQ(gelezen.geefKonversieNaarUSD(), 1.0f);
}

TEST(Valuta, DeVoorlopigeValutaIsNooitGeldig)
{
    const DesktopValuta voorlopig;
    EXPECT_EQ(voorlopig.exportTabVersie(), "ZZZ\t\tUndefined\t\tUndef");
    EXPECT_FALSE(voorlopig.isGeldig());

    struct Geval
    {
        const char* kode;
        const char* beschrijving;
        const char* symbool;
        bool geldig;
    };
    for (const Geval& geval : {
             Geval{"CHF", "Swiss Franc", "Fr.", true},
             Geval{"CHF", "Swiss Franc", "", true},
             Geval{"ZZZ", "Swiss Franc", "Fr.", false},
             Geval{"CHF", "Undefined", "Fr.", false},
             Geval{"CHF", "Swiss Franc", "Undef", false},
             Geval{"zzz", "undefined", "undef", true},
             Geval{"CH", "Swiss Franc", "Fr.", false},
             Geval{"CHF", "Swiss Franc", "Franc", true},
             Geval{"CHF", "Swiss Franc", "Francs", false},
         })
        EXPECT_EQ(DesktopValuta(geval.kode, geval.beschrijving, geval.symbool, 1.0f).isGeldig(), geval.geldig)
            << geval.kode << "/" << geval.beschrijving << "/" << geval.symbool;
}

TEST(Valuta, InDeKonfiguratieOnderDeKodeVanDeValuta)
{
    wxStringInputStream leeg(wxString{});
    wxFileConfig konfig(leeg);
    const DesktopValuta frank("CHF", "Swiss Franc", "Fr.", 1.1f);
    EXPECT_EQ(frank.exportConfigVersie(konfig, "/Configuratie/EigenTalen"), 0);
    EXPECT_EQ(konfig.Read("/Configuratie/EigenTalen/Valuta/kode", wxString()), "CHF");
    EXPECT_EQ(konfig.Read("/Configuratie/EigenTalen/Valuta/CHFData)/beschrijving", wxString()), "Swiss Franc");
    EXPECT_EQ(konfig.Read("/Configuratie/EigenTalen/Valuta/CHFData)/symbool", wxString()), "Fr.");

    DesktopValuta gelezen;
    EXPECT_EQ(gelezen.importConfigVersie(konfig, "/Configuratie/EigenTalen"), 0);
    EXPECT_EQ(gelezen.exportTabVersie(), frank.exportTabVersie());
    // Nothing stored there: the placeholder currency.
    DesktopValuta nergens("CHF", "Swiss Franc", "Fr.", 1.0f);
    EXPECT_EQ(nergens.importConfigVersie(konfig, "/Elders"), 0);
    EXPECT_EQ(nergens.exportTabVersie(), DesktopValuta().exportTabVersie());
}
