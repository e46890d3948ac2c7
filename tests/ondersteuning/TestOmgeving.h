#ifndef TESTS_ONDERSTEUNING_TESTOMGEVING_H
#define TESTS_ONDERSTEUNING_TESTOMGEVING_H

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <wx/fileconf.h>

// Gives every test its own empty folder as HOME and TMPDIR (so the per-user
// configuration file is never a real one), its own log catcher, and turns wx
// asserts into test failures. Installed by both test mains.
class TestOmgeving : public ::testing::EmptyTestEventListener
{
public:
    static void installeer();
    // A check that ends every test (a queued answer that was never used):
    // it runs before the test's result is printed, so what it finds counts
    // for the test.
    static void voegEindControleToe(std::function<void()> controle);

    void OnTestStart(const ::testing::TestInfo& info) override;
    void OnTestEnd(const ::testing::TestInfo& info) override;
};

// The running test's own folder (HOME and TMPDIR point at it).
const std::filesystem::path& testMap();

// The application's per-user configuration file in that folder, opened as
// another program would open it (written back when it goes).
std::unique_ptr<wxFileConfig> openKonfigBestand(const wxString& appNaam = "VerelTamso");

// A file in that folder.
wxString testPad(const wxString& naam);
// A file's bytes as another program reads and writes them.
std::string leesBytes(const wxString& pad);
void schrijfBytes(const wxString& pad, const std::string& inhoud);
// Nothing of SQLite beside a database file: no log, no index of the log,
// no journal.
bool laatNietsAchter(const wxString& pad);

// A failed comparison shows the text, not its bytes.
void PrintTo(const wxString& tekst, std::ostream* uit);

#endif
