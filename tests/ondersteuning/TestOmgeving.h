#ifndef TESTS_ONDERSTEUNING_TESTOMGEVING_H
#define TESTS_ONDERSTEUNING_TESTOMGEVING_H

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <wx/fileconf.h>

// Gives every test its own empty folder as HOME and TMPDIR (so the per-user
// configuration file is never a real one), its own log catcher, and turns wx
// asserts into test failures. Installed by both test mains.
class TestOmgeving : public ::testing::EmptyTestEventListener
{
public:
    static void installeer();

    void OnTestStart(const ::testing::TestInfo& info) override;
    void OnTestEnd(const ::testing::TestInfo& info) override;
};

// The running test's own folder (HOME and TMPDIR point at it).
const std::filesystem::path& testMap();

// The application's per-user configuration file in that folder, opened as
// another program would open it (written back when it goes).
std::unique_ptr<wxFileConfig> openKonfigBestand(const wxString& appNaam = "VerelTamso");

#endif
