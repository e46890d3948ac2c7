// The column table and the status names the list is built from.
#include "tests/toepassing/kern/app/KernApp.h"

TEST(Konstanten, ElkeLijstKolomHeeftZijnTitelEnDatabaseKolom)
{
    const wxArrayString titels = VerelTamsoApp::geefKolomNamen();
    const wxArrayString kolommen = VerelTamsoApp::geefDBKolomNamen();
    const char* verwacht[][2] = {{"I.D", "SR"},
                                 {"Title", "naam"},
                                 {"Author", "auteur"},
                                 {"Implementation", "implementatieIngenieur"},
                                 {"Test+Validation", "testIngenieur"},
                                 {"Priority", "prioriteit"},
                                 {"Cost", "totaleKosten"},
                                 {"Status", "status"},
                                 {"Contribution to project (%)", "werkVerricht"},
                                 {"Progress gain (%)", "laagFruit"},
                                 {"Date", "datum"}};
    ASSERT_EQ(titels.size(), 11u);
    ASSERT_EQ(kolommen.size(), 11u);
    for (unsigned int i = 0; i < 11; ++i)
    {
        const auto kolom = static_cast<VerelTamsoApp::Kolommen>(i);
        EXPECT_EQ(titels[i], verwacht[i][0]);
        EXPECT_EQ(VerelTamsoApp::geefKolomNaam(kolom), verwacht[i][0]);
        EXPECT_EQ(kolommen[i], verwacht[i][1]);
        EXPECT_EQ(VerelTamsoApp::geefDBKolomNaam(kolom), verwacht[i][1]);
    }
    EXPECT_EQ(VerelTamsoApp::geefKolomNaam(static_cast<VerelTamsoApp::Kolommen>(11)), "");
    EXPECT_EQ(VerelTamsoApp::geefDBKolomNaam(static_cast<VerelTamsoApp::Kolommen>(99)), "");

    // Each call hands out its own copy.
    wxArrayString veranderd = VerelTamsoApp::geefKolomNamen();
    veranderd[0] = "anders";
    EXPECT_EQ(VerelTamsoApp::geefKolomNamen(), titels);
}

TEST(Konstanten, DeStatusNamenVolgenDeVoltooiingsGraad)
{
    const wxArrayString namen = VerelTamsoApp::geefAlleStatusAanduidingen();
    ASSERT_EQ(namen.size(), 5u);
    EXPECT_EQ(namen[Requirement::StatusOntwikkeling], "Development");
    EXPECT_EQ(namen[Requirement::StatusGedefinieerd], "Defined");
    EXPECT_EQ(namen[Requirement::StatusGeimplementeerd], "Implemented");
    EXPECT_EQ(namen[Requirement::StatusGetest], "Tested");
    EXPECT_EQ(namen[Requirement::StatusKlaar], "Ready");
}

TEST(Konstanten, DeStatusNamenWordenVertaaldInDeTaalVanHetMoment)
{
    App app;
    ASSERT_EQ(app->initLokaliteit(wxLANGUAGE_DUTCH), 0);
    const wxArrayString namen = VerelTamsoApp::geefAlleStatusAanduidingen();
    EXPECT_EQ(namen[Requirement::StatusOntwikkeling], "Ontwikkeling");
    EXPECT_EQ(namen[Requirement::StatusKlaar], "Klaar");
    // The table itself keeps the source texts.
    EXPECT_EQ(VerelTamsoApp::vasteStatusWaardenArray[0], "Development");
}
