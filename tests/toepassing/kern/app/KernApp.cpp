#include "tests/toepassing/kern/app/KernApp.h"

#include "tests/ondersteuning/TestOmgeving.h"

int KernApp::openProject(const wxString& pad, bool alleenLezen)
{
    if (!wxFileExists(pad))
    {
        wxSQLite3Database nieuw;
        nieuw.Open(pad);
        nieuw.Close();
    }
    sluitDB();
    const unsigned int geopend = open(wxFileName(pad), alleenLezen, wxString());
    if (geopend != 0)
        return 100 + static_cast<int>(geopend);
    return startDatabase();
}

wxString projectPad(const wxString& naam)
{
    return wxString::FromUTF8((testMap() / naam.utf8_string()).string());
}

void voegRijenToe(KernApp& app, std::initializer_list<Rij> rijen)
{
    ASSERT_EQ(app.startTransaktie(), 0);
    for (const Rij& rij : rijen)
        ASSERT_EQ(
            app.executeUpdate(wxString::Format("insert into Requirements (SR,naam,prioriteit,totaleKosten,status) "
                                               "values (%d,%s,%d,%lld,%d)",
                                               rij.SR, SQLite3Basis::quotes(wxString::FromUTF8(rij.naam)),
                                               rij.prioriteit, rij.totaleKosten, rij.status)),
            0);
    ASSERT_EQ(app.stopTransaktie(), 0);
}

void voerUit(KernApp& app, std::initializer_list<wxString> opdrachten)
{
    ASSERT_EQ(app.startTransaktie(), 0);
    for (const wxString& opdracht : opdrachten)
        ASSERT_EQ(app.executeUpdate(opdracht), 0) << opdracht.utf8_string();
    ASSERT_EQ(app.stopTransaktie(), 0);
}

std::vector<int> nummers(const RequirementLijst& lijst)
{
    std::vector<int> uit;
    for (size_t i = 0; i < lijst.size(); ++i)
        uit.push_back(lijst[i].SR);
    return uit;
}
