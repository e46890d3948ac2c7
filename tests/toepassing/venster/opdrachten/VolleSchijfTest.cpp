// A project on a disk that is nearly full: a requirement with a long pasted
// description fits in the open change, but not on the disk when it is
// committed. Nothing the user entered is lost: the change stays open, the
// messages say so, and once there is room Commit stores it. The same in
// WAL mode and with the rollback journal of a project that could not be
// switched to WAL, where SQLite itself rolls the file back from its journal;
// in WAL mode also after the log was checkpointed whole, by a checkpoint or
// by SQLite's own after a large commit, when the change's commit begins the
// log again.
#include "tests/ondersteuning/KleineSchijf.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/Melding.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"

namespace
{
using V = VerelTamsoVenster;

enum class Checkpoint
{
    Geen,
    Gevraagd,
    // SQLite's own, after a commit past its limit (lowered from 1,000 pages).
    Eigen
};

// A project of one requirement on a disk of its own, in the journal of the
// parameter, with its log checkpointed as the parameter says.
class VolleSchijf : public OpdrachtTest,
                    public testing::WithParamInterface<std::pair<SQLite3Basis::Journaal, Checkpoint>>
{
protected:
    KleineSchijf schijf{(testMap() / "schijf").string(), 1024 * 1024};
    const wxString pad = wxString::FromUTF8(schijf.geefMap()) + "/p.vtd";

    void SetUp() override
    {
        OpdrachtTest::SetUp();
        if (!schijf.isGekoppeld())
            GTEST_SKIP() << schijf.waarom();
        const auto [journaal, checkpoint] = GetParam();
        openProject(pad, {{1, "Boil"}});
        ASSERT_NE(app->schakelMode(journaal, SQLite3Basis::SynchronisatieFull), 2);
        ASSERT_EQ(app->leesHuidigeJournaalMode(), journaal);
        if (checkpoint == Checkpoint::Geen)
            return;
        // A commit, after which the log is checkpointed whole.
        ASSERT_EQ(app->executeUpdate("pragma wal_autocheckpoint=8"), 0);
        Requirement boil = app->geefRequirement(1);
        Requirement lang = boil;
        lang.beschrijving = wxString('b', checkpoint == Checkpoint::Eigen ? 64 * 1024 : 1);
        ASSERT_EQ(app->verander(boil, lang, true), 0);
        ASSERT_EQ(app->stopTransaktie(), 0);
        ASSERT_EQ(checkpoint == Checkpoint::Gevraagd ? app->doeWALCheckpoint() : 0, 0);
    }

    // The disk fills up; then the user adds a requirement with a long
    // description, which fits into the open change.
    void voegLangToe()
    {
        ASSERT_TRUE(schijf.vul(64 * 1024));
        Requirement lang = opgeslagen("Filter", 2);
        lang.beschrijving = wxString('x', 400 * 1024);
        ASSERT_EQ(app->voegToe(lang), 0);
        venster->verversLijst();
        logVanger().wis();
    }
};

std::string geefNaam(const testing::TestParamInfo<VolleSchijf::ParamType>& info)
{
    const char* const namen[] = {"", "NaCheckpoint", "NaEigenCheckpoint"};
    return (info.param.first == SQLite3Basis::JournaalWAL ? "WAL" : "Delete") +
           std::string(namen[static_cast<int>(info.param.second)]);
}
} // namespace

TEST_P(VolleSchijf, EenCommitHoudtDeWijzigingOpen)
{
    voegLangToe();

    // Committed by the user, by the next change, by closing the project.
    const std::pair<int, const char*> commits[] = {
        {wxID_SAVE, "Nothing was lost: the open changes are kept."},
        {wxID_ADD, "The previous change could not be committed, so this change was not made."},
        {wxID_CLOSE, "Nothing was lost: the open changes are kept."}};
    for (const auto& [id, melding] : commits)
    {
        if (id == wxID_ADD)
        {
            EXPECT_EQ(app->voegToe(opgeslagen("Pour", 3)), 2);
        }
        // Closing asks what becomes of the change: it stays.
        if (id == wxID_CLOSE)
            vragen.antwoord(wxYES);
        if (id != wxID_ADD)
            klik(id);
        EXPECT_TRUE(meldingKop().StartsWith("The disk that holds the database file")) << logVanger().geefAlles();
        EXPECT_TRUE(logVanger().bevat(melding, wxLOG_Error)) << logVanger().geefAlles();
        EXPECT_FALSE(logVanger().bevat("taken back")) << logVanger().geefAlles();
        EXPECT_FALSE(logVanger().bevat("Another program")) << logVanger().geefAlles();
        ASSERT_TRUE(app->isDBOpen()) << id;
        EXPECT_TRUE(isGewijzigd()) << id;
        EXPECT_TRUE(isAan(wxID_SAVE) && isAan(wxID_UNDO)) << id;
        EXPECT_EQ(titels(), (std::vector<wxString>{"Filter", "Boil"})) << id;
        logVanger().wis();
    }

    schijf.maakLeeg();
    klik(wxID_SAVE);
    EXPECT_FALSE(isGewijzigd());
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Filter=2");
}

// Quit, the close box and Close after the disk refused a commit ask what
// becomes of the open change. Kept, the window and the change stay; left,
// the program ends its project with what was committed before, and nothing
// stays beside the file.
TEST_P(VolleSchijf, AfsluitenNaEenGeweigerdeCommitVraagtNaarDeWijziging)
{
    voegLangToe();
    klik(wxID_SAVE);
    const std::pair<int, const char*> afsluitingen[] = {
        {wxID_EXIT, "[Quit without them]"}, {wxID_CLOSE, "[Close without them]"}, {wxID_NONE, "[Close without them]"}};
    for (const auto& [id, knop] : afsluitingen)
    {
        vragen.antwoord(wxYES);
        if (id == wxID_NONE)
            sluitVenster();
        else
            klik(id);
        ASSERT_FALSE(vragen.geefGesteld().empty()) << id;
        EXPECT_TRUE(vragen.geefGesteld().back().Contains(knop)) << vragen.geefGesteld().back();
        ASSERT_TRUE(venster && app->isDBOpen()) << id;
        EXPECT_TRUE(isGewijzigd()) << id;
        EXPECT_EQ(titels(), (std::vector<wxString>{"Filter", "Boil"})) << id;
    }

    vragen.antwoord(wxNO);
    logVanger().wis();
    klik(wxID_EXIT);
    // The refusal of the commit that Quit tries first, and nothing after.
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
    EXPECT_TRUE(wachtOp([this] { return !venster; }));
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_EQ(rijenInBestand(pad), "Boil=1");
    EXPECT_TRUE(laatNietsAchter(pad));
}

// Safe operation kept at its end: on the full disk it goes on with every
// change, and the messages say so, that nothing was lost and what to do,
// neither that it ended nor that the file may have errors.
TEST_P(VolleSchijf, HetEindeVanVeiligWerkenHoudtDeWijzigingen)
{
    klik(V::ID_STARTSTOPVEILIGEMODUS);
    voegLangToe();
    vragen.antwoord(wxYES);
    klik(V::ID_STARTSTOPVEILIGEMODUS);
    EXPECT_TRUE(meldingKop().StartsWith("The disk that holds the database file")) << logVanger().geefAlles();
    EXPECT_TRUE(logVanger().bevat("Nothing was lost: the open changes are kept.", wxLOG_Error))
        << logVanger().geefAlles();
    EXPECT_TRUE(logVanger().bevat("Safe operation goes on, with all its changes. Stop it again once the cause has "
                                  "gone, for instance once there is room on the disk.",
                                  wxLOG_Error))
        << logVanger().geefAlles();
    for (const char* onwaar : {"committed to the database", "Another program", "errors", "was disabled"})
        EXPECT_FALSE(logVanger().bevat(onwaar)) << onwaar << "\n" << logVanger().geefAlles();
    EXPECT_TRUE(app->isSavePointBezig());
    EXPECT_EQ(menuLabel(V::ID_STARTSTOPVEILIGEMODUS), "Stop Safe Operation");
    EXPECT_EQ(titels(), (std::vector<wxString>{"Filter", "Boil"}));

    schijf.maakLeeg();
    vragen.antwoord(wxYES);
    klik(V::ID_STARTSTOPVEILIGEMODUS);
    EXPECT_TRUE(logVanger().bevat("committed to the database", wxLOG_Message)) << logVanger().geefAlles();
    EXPECT_FALSE(app->isSavePointBezig());
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Filter=2");
}

INSTANTIATE_TEST_SUITE_P(Journalen, VolleSchijf,
                         testing::Values(std::pair(SQLite3Basis::JournaalWAL, Checkpoint::Geen),
                                         std::pair(SQLite3Basis::JournaalDelete, Checkpoint::Geen),
                                         std::pair(SQLite3Basis::JournaalWAL, Checkpoint::Gevraagd),
                                         std::pair(SQLite3Basis::JournaalWAL, Checkpoint::Eigen)),
                         geefNaam);
