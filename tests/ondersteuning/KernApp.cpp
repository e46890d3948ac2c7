#include "tests/ondersteuning/KernApp.h"

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

RequirementLijst KernApp::zoekAlles()
{
    return zoek(KolomID, SorteringOplopend, wxString(), wxString(), Requirement::StatusAlle, Requirement::TypeAlle,
                Requirement::FunkTypeAlle, 1);
}

void voegRijenToe(KernApp& app, std::initializer_list<Rij> rijen)
{
    ASSERT_EQ(app.startTransaktie(), 0);
    for (const Rij& rij : rijen)
        ASSERT_EQ(
            app.executeUpdate(wxString::Format("insert into Requirements (SR,naam,prioriteit,totaleKosten,status) "
                                               "values (%d,%s,%u,%lld,%d)",
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

wxString nummers(KernApp& app)
{
    wxString tekst;
    wxSQLite3ResultSet rij = app.ExecuteQuery("select naam,SR from Requirements order by SR");
    while (rij.NextRow())
        tekst += (tekst.empty() ? "" : ",") + rij.GetString(0) + "=" + rij.GetAsString(1);
    return tekst;
}

wxString kolommen(KernApp& app, int SR, const char* kolommen)
{
    wxSQLite3ResultSet rij =
        app.ExecuteQuery(wxString::Format("select %s from Requirements where SR==%d", kolommen, SR));
    if (!rij.NextRow())
        return "-";
    wxString tekst;
    for (int i = 0; i < rij.GetColumnCount(); ++i)
        tekst += (i == 0 ? "" : "|") + (rij.IsNull(i) ? wxString("null") : rij.GetAsString(i));
    return tekst;
}

std::vector<int> nummers(const RequirementLijst& lijst)
{
    std::vector<int> uit;
    for (size_t i = 0; i < lijst.size(); ++i)
        uit.push_back(lijst[i].SR);
    return uit;
}

Requirement opgeslagen(const char* naam, int SR)
{
    Requirement rek;
    rek.naam = wxString::FromUTF8(naam);
    rek.SR = SR;
    return rek;
}

Requirement metPrioriteit(const char* naam, int SR, unsigned int prioriteit)
{
    Requirement rek = opgeslagen(naam, SR);
    rek.prioriteit = prioriteit;
    return rek;
}

RequirementLijst lijstVan(std::initializer_list<Requirement> records)
{
    RequirementLijst lijst;
    for (const Requirement& rek : records)
        lijst.Add(rek);
    return lijst;
}
