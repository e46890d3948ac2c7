// The built program, run as a user runs it: from a terminal with switches,
// and on a project, with its window closed through the close box.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/KleineSchijf.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/toepassing/ProgrammaProces.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/language.h>
#include <wx/wxsqlite3.h>

namespace
{
const int startTijdMs = 30000;
const std::string titel = "Verel Tamso";

// A project of three requirements, made with the store as the program makes
// them, and closed again.
std::string maakProject()
{
    const wxString pad = testPad("project.vtd");
    App app;
    EXPECT_EQ(app->openProject(pad), 0);
    voegRijenToe(*app, {{1, "Boil"}, {2, "Pour"}, {3, "Serve"}});
    app->sluitDB();
    return pad.utf8_string();
}

// No project of the configuration to fall back on: what the program shows
// comes from the command line alone.
void geenProjektInKonfiguratie()
{
    auto konfig = openKonfigBestand();
    konfig->Write("/Configuratie/Database/DBPad", "&^$#@GeslotenGeenBestand@#$^&.vtd");
    konfig->Write("/Operationeel/EersteKeer/TaalGekozen", true);
}
} // namespace

// The version and the usage are answered plainly on standard error, with
// or without a display (over ssh, in a script), in the user's language, and
// the program ends at once: no project is opened, no setting written.
TEST(Programma, SwitchesAreAnsweredPlainlyWithOrWithoutADisplay)
{
    const std::string versie = "Copyright (c) 2025 Trivane Embedded Systemen. All rights reserved.\n"
                               "Release date and version: 12.01.2025_1.4.0.a\n";
    struct Geval
    {
        std::vector<std::string> argumenten;
        int status;
        std::string begin;
    };
    const Geval gevallen[] = {
        {{"-v"}, 0, versie},
        {{"--version"}, 0, versie},
        {{"-h"}, 0, "Usage: VerelTamso [-v] [-h] [Verel Tamso file (*.vtd)]\n"},
        {{"a.vtd", "b.vtd"}, 1, "Unexpected parameter 'b.vtd'\nUsage:"},
        {{"--onbekend"}, 1, "Unknown long option 'onbekend'\nUsage:"},
    };
    const std::string scherm = std::getenv("DISPLAY");
    for (const bool metScherm : {true, false})
    {
        if (!metScherm)
            unsetenv("DISPLAY");
        for (const Geval& geval : gevallen)
        {
            ProgrammaProces programma(geval.argumenten);
            ASSERT_TRUE(programma.wachtOpEinde(startTijdMs)) << geval.argumenten[0];
            EXPECT_EQ(programma.geefStatus(), geval.status) << geval.argumenten[0] << " " << metScherm;
            const std::string fouten = programma.geefFouten();
            EXPECT_EQ(fouten.rfind(geval.begin, 0), 0u) << geval.argumenten[0] << " " << metScherm << ": " << fouten;
            if (geval.begin == versie)
            {
                EXPECT_EQ(fouten, versie);
            }
        }
        setenv("DISPLAY", scherm.c_str(), 1);
    }
    EXPECT_FALSE(wxFileExists(wxFileConfig::GetLocalFileName("VerelTamso")));

    // German, as the user chose; still without a display.
    openKonfigBestand()->Write("/Gebruikersinstellingen/Encoding", static_cast<long>(wxLANGUAGE_GERMAN));
    unsetenv("DISPLAY");
    ProgrammaProces programma({"-h", "-v"});
    ASSERT_TRUE(programma.wachtOpEinde(startTijdMs));
    setenv("DISPLAY", scherm.c_str(), 1);
    EXPECT_EQ(programma.geefStatus(), 0);
    const std::string fouten = programma.geefFouten();
    EXPECT_NE(fouten.find("  -h, --help   \tAlle Befehlszeilenoptionen anzeigen.\n"), std::string::npos) << fouten;
    EXPECT_NE(fouten.find("Ver\xC3\xB6"
                          "ffentlichungsdatum und Version: 12.01.2025_1.4.0.a\n"),
              std::string::npos)
        << fouten;
}

TEST(Programma, AProjectOnTheCommandLineOpensAndTheSecondCloseEndsTheProgram)
{
    const std::string pad = maakProject();
    geenProjektInKonfiguratie();
    ProgrammaProces programma({pad});
    ASSERT_TRUE(programma.wachtOpVenster(titel, startTijdMs)) << programma.geefFouten();
    // The first close box closes the project, the second ends the program.
    EXPECT_EQ(programma.sluitTotEinde(titel, startTijdMs), 2) << programma.geefFouten() << programma.geefUitvoer();
    ASSERT_TRUE(programma.wachtOpEinde(0));
    EXPECT_EQ(programma.geefStatus(), 0);
    // Opened writable: the start switched the file to its journal of
    // changes, which a read-only connection cannot do.
    wxSQLite3Database project;
    project.Open(wxString::FromUTF8(pad));
    EXPECT_EQ(project.ExecuteQuery("pragma journal_mode").GetAsString(0), "wal");
}

TEST(Programma, AFileThatIsNoProjectLeavesTheWindowWithoutOne)
{
    const std::string tekstBestand = (testMap() / "notities.vtd").string();
    std::ofstream(tekstBestand) << "Not a database, only some notes.\n";
    struct Geval
    {
        std::string pad;
        std::string melding;
    };
    const Geval gevallen[] = {
        {(testMap() / "ontbreekt.vtd").string(), "The presented path is not a readable file."},
        {tekstBestand, "The presented file is not a Verel Tamso DB file."},
    };
    for (const Geval& geval : gevallen)
    {
        geenProjektInKonfiguratie();
        ProgrammaProces programma({geval.pad});
        ASSERT_TRUE(programma.wachtOpVenster(titel, startTijdMs)) << programma.geefFouten();
        // The message box of the error holds the window until it is closed.
        ASSERT_TRUE(programma.wachtOpVenster("Error", startTijdMs)) << programma.geefFouten();
        // Without a project one close box ends the program.
        EXPECT_EQ(programma.sluitTotEinde(titel, startTijdMs), 1) << geval.pad;
        ASSERT_TRUE(programma.wachtOpEinde(0));
        EXPECT_EQ(programma.geefStatus(), 0);
        EXPECT_NE(programma.geefFouten().find(geval.melding), std::string::npos) << programma.geefFouten();
    }
}

// A project in WAL mode (made while its disk had room for the log) on a disk
// without a byte left, named on the command line: the program says that the
// disk is full, for that file, and that nothing was lost, not that the file
// is no project; and nothing stays beside it.
TEST(Programma, AProjectOnAFullDiskIsNotCalledABadFile)
{
    KleineSchijf schijf((testMap() / "schijf").string(), 1024 * 1024);
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const wxString pad = wxString::FromUTF8(schijf.geefMap()) + "/project.vtd";
    {
        App app;
        ASSERT_EQ(app->openProject(pad), 0);
        voegRijenToe(*app, {{1, "Boil"}});
        app->sluitDB();
    }
    ASSERT_FALSE(wxFileExists(pad + "-shm"));
    ASSERT_TRUE(schijf.vul(0));
    geenProjektInKonfiguratie();

    ProgrammaProces programma({pad.utf8_string()});
    ASSERT_TRUE(programma.wachtOpVenster(titel, startTijdMs)) << programma.geefFouten();
    ASSERT_TRUE(programma.wachtOpVenster("Error", startTijdMs)) << programma.geefFouten();
    EXPECT_EQ(programma.sluitTotEinde(titel, startTijdMs), 1);
    ASSERT_TRUE(programma.wachtOpEinde(0));
    const std::string fouten = programma.geefFouten();
    EXPECT_NE(fouten.find("The disk that holds the database file \"" + pad.utf8_string() +
                          "\" is full.\nIt cannot be opened: SQLite must write beside it. Nothing in it was "
                          "changed or lost."),
              std::string::npos)
        << fouten;
    EXPECT_EQ(fouten.find("not a Verel Tamso DB file"), std::string::npos) << fouten;
    EXPECT_FALSE(wxFileExists(pad + "-wal"));
    EXPECT_FALSE(wxFileExists(pad + "-shm"));
}
