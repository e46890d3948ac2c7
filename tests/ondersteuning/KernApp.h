#ifndef TESTS_ONDERSTEUNING_KERNAPP_H
#define TESTS_ONDERSTEUNING_KERNAPP_H

#include "tests/ondersteuning/RequirementHulp.h"
#include "tests/ondersteuning/TijdelijkeApp.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

// The application object as the program builds it, with its search state
// open to the tests.
class KernApp : public VerelTamsoApp
{
public:
    using VerelTamsoApp::zoekVoorwaarde;
    using VerelTamsoApp::zoekVoorwaardeVeranderd;
    // SQLite's own connection, for what the layer does not offer (a trace).
    using VerelTamsoApp::GetDatabaseHandle;

    // Closes what is open, opens the project file (an empty one is made when
    // it is missing) and starts it as the main window would. The result of
    // startDatabase, or 100 + the open's code.
    int openProject(const wxString& pad, bool alleenLezen = false);
    long long tel(const wxString& opdracht) { return executeSkalair(opdracht); }
    // The list as the main window first shows it: everything, by number.
    RequirementLijst zoekAlles();
};

using App = TijdelijkeApp<KernApp>;

// A test of its own project file, opened and started.
class ProjectTest : public ::testing::Test
{
protected:
    const wxString pad = testPad("p.vtd");
    App app;

    void SetUp() override { ASSERT_EQ(app->openProject(pad), 0); }
};

// A row of the table Requirements, as another program or an older version
// may have left it; the columns not named keep their defaults.
struct Rij
{
    int SR;
    const char* naam;
    unsigned int prioriteit = 1;
    long long totaleKosten = 1;
    int status = 0;
};
// Inserts the rows in one committed transaction of their own.
void voegRijenToe(KernApp& app, std::initializer_list<Rij> rijen);
// Runs the statements in one committed transaction.
void voerUit(KernApp& app, std::initializer_list<wxString> opdrachten);

// What a project holds, read with plain SQL beside the store: the tests of
// the changing operations check the rows, not the store's own reading.
// "naam=SR" of every requirement in number order, joined by ",".
wxString nummers(KernApp& app);
// Columns ("a,b") of the requirement with this number as text, joined by
// "|"; "null" for NULL, "-" when no requirement has the number.
wxString kolommen(KernApp& app, int SR, const char* kolommen);
// The numbers of the records, in list order.
std::vector<int> nummers(const RequirementLijst& lijst);
// A record with the title and number of a stored row, as a read gives it;
// with its number alone, what the window finds it by.
Requirement opgeslagen(const char* naam, int SR);
inline Requirement metNummer(int SR)
{
    return opgeslagen("", SR);
}
// The same with another priority: the edit of a user.
Requirement metPrioriteit(const char* naam, int SR, unsigned int prioriteit);
RequirementLijst lijstVan(std::initializer_list<Requirement> records);

#endif
