#include "tests/ondersteuning/TestOmgeving.h"

#include "tests/ondersteuning/LogVanger.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <wx/debug.h>
#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/translation.h>

namespace
{
std::filesystem::path huidigeMap;
LogVanger* huidigeVanger = nullptr;
wxLog* vorigDoel = nullptr;

std::vector<std::function<void()>>& eindControles()
{
    static std::vector<std::function<void()>> controles;
    return controles;
}

std::filesystem::path maakLegeMap(const ::testing::TestInfo& info)
{
    const char* basis = std::getenv("VT_TEST_TMP");
    // A parameterised suite is named "Prefix/Suite": one folder, not two.
    std::string suite = info.test_suite_name();
    std::replace(suite.begin(), suite.end(), '/', '-');
    std::string sjabloon = std::string(basis ? basis : "/tmp") + "/vt-" + suite + "-XXXXXX";
    if (!mkdtemp(sjabloon.data()))
        throw std::runtime_error("cannot make a test folder under " + sjabloon);
    return sjabloon;
}

void assertWordtFout(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "wx assert in " << func.utf8_str() << ": " << cond.utf8_str() << " " << msg.utf8_str();
}
} // namespace

const std::filesystem::path& testMap()
{
    return huidigeMap;
}

std::unique_ptr<wxFileConfig> openKonfigBestand(const wxString& appNaam)
{
    const std::filesystem::path bestand = huidigeMap / ("." + appNaam).utf8_string();
    return std::make_unique<wxFileConfig>(wxString(), wxString(), wxString::FromUTF8(bestand.string()), wxString(),
                                          wxCONFIG_USE_LOCAL_FILE);
}

LogVanger& logVanger()
{
    static LogVanger buitenTest;
    return huidigeVanger ? *huidigeVanger : buitenTest;
}

void TestOmgeving::installeer()
{
    // The folders of the tests live under the TMPDIR the program was started
    // with, before any test points TMPDIR elsewhere.
    const char* tmp = std::getenv("TMPDIR");
    setenv("VT_TEST_TMP", tmp && *tmp ? tmp : "/tmp", 0);
    wxSetAssertHandler(assertWordtFout);
    // After the printer of the results: the ends of a test reach the
    // listeners in reverse order, so the checks at the end of a test run
    // before its result is printed and count for it.
    ::testing::UnitTest::GetInstance()->listeners().Append(new TestOmgeving);
}

void TestOmgeving::voegEindControleToe(std::function<void()> controle)
{
    eindControles().push_back(std::move(controle));
}

void TestOmgeving::OnTestStart(const ::testing::TestInfo& info)
{
    huidigeMap = maakLegeMap(info);
    setenv("HOME", huidigeMap.c_str(), 1);
    setenv("TMPDIR", huidigeMap.c_str(), 1);
    // The user's cache folder lies in HOME as well.
    unsetenv("XDG_CACHE_HOME");
    huidigeVanger = new LogVanger;
    vorigDoel = wxLog::SetActiveTarget(huidigeVanger);
}

void TestOmgeving::OnTestEnd(const ::testing::TestInfo& info)
{
    for (const std::function<void()>& controle : eindControles())
        controle();
    wxLog::FlushActive();
    if (info.result()->Failed() && !huidigeVanger->geefRegels().empty())
        std::cerr << "Log of the failed test:\n" << huidigeVanger->geefAlles().utf8_str() << std::flush;
    wxLog::SetActiveTarget(vorigDoel);
    // The next test starts with the source texts, whatever language this
    // one switched to.
    wxTranslations::Set(nullptr);
    delete huidigeVanger;
    huidigeVanger = nullptr;
    std::error_code fout;
    std::filesystem::remove_all(huidigeMap, fout);
    huidigeMap.clear();
}

wxString testPad(const wxString& naam)
{
    return wxString::FromUTF8((testMap() / naam.utf8_string()).string());
}

std::string leesBytes(const wxString& pad)
{
    std::stringstream inhoud;
    inhoud << std::ifstream(pad.utf8_string(), std::ios::binary).rdbuf();
    return inhoud.str();
}

void schrijfBytes(const wxString& pad, const std::string& inhoud)
{
    std::ofstream(pad.utf8_string(), std::ios::binary) << inhoud;
}

bool laatNietsAchter(const wxString& pad)
{
    return !wxFileExists(pad + "-wal") && !wxFileExists(pad + "-shm") && !wxFileExists(pad + "-journal");
}

void PrintTo(const wxString& tekst, std::ostream* uit)
{
    *uit << '"' << tekst.utf8_string() << '"';
}
