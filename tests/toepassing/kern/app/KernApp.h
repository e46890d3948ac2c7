#ifndef TESTS_TOEPASSING_KERN_APP_KERNAPP_H
#define TESTS_TOEPASSING_KERN_APP_KERNAPP_H

#include "tests/ondersteuning/TijdelijkeApp.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <ostream>
#include <vector>

inline void PrintTo(const wxString& tekst, std::ostream* uit)
{
    *uit << '"' << tekst.utf8_string() << '"';
}

// The application object as the program builds it, with its search state
// open to the tests.
class KernApp : public VerelTamsoApp
{
public:
    using VerelTamsoApp::konfKolomNamen;
    using VerelTamsoApp::rekInsertTekst;
    using VerelTamsoApp::rekKolomNamen;
    using VerelTamsoApp::zoekVoorwaarde;
    using VerelTamsoApp::zoekVoorwaardeVeranderd;

    // Closes what is open, opens the project file (an empty one is made when
    // it is missing) and starts it as the main window would. The result of
    // startDatabase, or 100 + the open's code.
    int openProject(const wxString& pad, bool alleenLezen = false);
    long long tel(const wxString& opdracht) { return executeSkalair(opdracht); }
    // The list as the main window first shows it: everything, by number.
    RequirementLijst zoekAlles(const wxString& zoekTekst = wxString(), const wxString& persoon = wxString())
    {
        return zoek(KolomID, SorteringOplopend, zoekTekst, persoon, Requirement::StatusAlle, Requirement::TypeAlle,
                    Requirement::FunkTypeAlle, 1);
    }
};

using App = TijdelijkeApp<KernApp>;

wxString projectPad(const wxString& naam);

// A row of the table Requirements, as another program or an older version
// may have left it; the columns not named keep their defaults.
struct Rij
{
    int SR;
    const char* naam;
    int prioriteit = 1;
    long long totaleKosten = 1;
    int status = 0;
};
// Inserts the rows in one transaction of its own, as a committed project.
void voegRijenToe(KernApp& app, std::initializer_list<Rij> rijen);
// Runs the statements in one committed transaction.
void voerUit(KernApp& app, std::initializer_list<wxString> opdrachten);
// The numbers of the records, in list order.
std::vector<int> nummers(const RequirementLijst& lijst);

#endif
