// The signature of an update package as the minisign tool makes it: only
// the maker's key, the hashed form, the file as it was signed and a trusted
// comment naming that file and version pass.
#include "swexternals/desktop/DesktopPakketHandtekening.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace
{
using Oordeel = DesktopPakketHandtekening::Oordeel;

const char* const naam = "VerelTamso_1.4.1_Linux_x86_64.deb";
const std::string commentaar = std::string("timestamp:0\tfile:") + naam + "\tversion:1.4.1";

bool voerUit(std::vector<std::string> opdracht)
{
    std::vector<char*> argumenten;
    for (std::string& deel : opdracht)
        argumenten.push_back(deel.data());
    argumenten.push_back(nullptr);
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_addopen(&acties, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t kind = 0;
    const int fout = posix_spawnp(&kind, argumenten[0], &acties, nullptr, argumenten.data(), environ);
    posix_spawn_file_actions_destroy(&acties);
    int status = 0;
    return fout == 0 && waitpid(kind, &status, 0) == kind && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A key pair made by minisign in the test's folder; its public key.
wxString maakSleutel(const std::string& soort)
{
    const std::filesystem::path map = testMap() / soort;
    std::filesystem::create_directories(map);
    EXPECT_TRUE(voerUit({"minisign", "-G", "-W", "-p", (map / "pub").string(), "-s", (map / "key").string()}));
    return wxString::FromUTF8(leesTekst(map / "pub"));
}

std::string teken(const std::string& soort, const std::filesystem::path& bestand, const std::string& tekst,
                  bool oud = false)
{
    std::vector<std::string> opdracht = {"minisign",       "-S", "-s", (testMap() / soort / "key").string(), "-m",
                                         bestand.string(), "-t", tekst};
    if (oud)
        opdracht.push_back("-l");
    EXPECT_TRUE(voerUit(opdracht));
    return leesTekst(bestand.string() + ".minisig");
}
} // namespace

TEST(PakketHandtekening, AlleenDeGetekendeVersieVanDitPakketMetDezeSleutelKomtErDoor)
{
    const wxString sleutel = maakSleutel("eigen");
    maakSleutel("ander");
    const std::filesystem::path pakket = testMap() / naam;
    std::ofstream(pakket) << "the package's bytes";
    const std::string goed = teken("eigen", pakket, commentaar);
    std::string ander = goed;
    ander.replace(ander.find("\ntrusted comment: ") + 18, 11, "timestamp:1");
    std::string onbetrouwd = goed;
    onbetrouwd.replace(0, onbetrouwd.find('\n'), "untrusted comment: anything at all");
    struct Geval
    {
        const char* wat;
        std::string handtekening;
        Oordeel gelezen;
        Oordeel gecontroleerd; // when it was read
        wxString versie;
    };
    const std::vector<Geval> gevallen = {
        {"as signed", goed, Oordeel::Goed, Oordeel::Goed, "1.4.1"},
        {"a version whose name begins alike", goed, Oordeel::Goed, Oordeel::AnderPakket, "1.4.10"},
        {"its trusted comment changed", ander, Oordeel::Goed, Oordeel::KloptNiet, "1.4.1"},
        {"its untrusted comment changed", onbetrouwd, Oordeel::Goed, Oordeel::Goed, "1.4.1"},
        {"no comment naming the file", teken("eigen", pakket, "version:1.4.1"), Oordeel::Goed, Oordeel::AnderPakket,
         "1.4.1"},
        {"signed with another key", teken("ander", pakket, commentaar), Oordeel::AndereSleutel, Oordeel::Goed, ""},
        {"the older, unhashed form", teken("eigen", pakket, commentaar, true), Oordeel::Onleesbaar, Oordeel::Goed, ""},
        {"not a signature", "untrusted comment: x\nnonsense\ntrusted comment: y\nmore\n", Oordeel::Onleesbaar,
         Oordeel::Goed, ""},
        {"empty", "", Oordeel::Onleesbaar, Oordeel::Goed, ""},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.wat);
        DesktopPakketHandtekening handtekening(sleutel);
        ASSERT_TRUE(handtekening.isSleutelGeldig());
        ASSERT_EQ(handtekening.lees(geval.handtekening), geval.gelezen);
        if (geval.gelezen == Oordeel::Goed)
        {
            EXPECT_EQ(handtekening.controleer(alsWx(pakket), naam, geval.versie, nullptr), geval.gecontroleerd);
        }
    }

    // The file itself, one byte changed; a check asked to stop; no key.
    DesktopPakketHandtekening handtekening(sleutel);
    ASSERT_EQ(handtekening.lees(goed), Oordeel::Goed);
    std::ofstream(pakket) << "the package's bytez";
    EXPECT_EQ(handtekening.controleer(alsWx(pakket), naam, "1.4.1", nullptr), Oordeel::KloptNiet);
    EXPECT_EQ(handtekening.controleer(alsWx(pakket), naam, "1.4.1", [] { return true; }), Oordeel::Gestopt);
    EXPECT_EQ(handtekening.controleer(alsWx(testMap() / "absent"), naam, "1.4.1", nullptr), Oordeel::Onbereikbaar);
    for (const char* geenSleutel : {"", "RWQ", "untrusted comment: x\nnot base64 at all"})
    {
        DesktopPakketHandtekening zonder(geenSleutel);
        EXPECT_FALSE(zonder.isSleutelGeldig()) << geenSleutel;
        EXPECT_EQ(zonder.lees(goed), Oordeel::GeenSleutel);
    }
}
