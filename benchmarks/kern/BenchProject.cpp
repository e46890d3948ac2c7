#include "benchmarks/kern/BenchProject.h"

#include "tests/ondersteuning/TijdelijkeApp.h"

#include <iostream>
#include <wx/filefn.h>

wxString BenchProject::map;

namespace
{
std::unique_ptr<TijdelijkeApp<VerelTamsoApp>> applikatie;
wxString openPad;
} // namespace

VerelTamsoApp& BenchProject::app()
{
    if (!applikatie)
        applikatie = std::make_unique<TijdelijkeApp<VerelTamsoApp>>();
    return **applikatie;
}

void BenchProject::beeindig()
{
    applikatie.reset();
    openPad.clear();
}

void BenchProject::sluit()
{
    app().sluitDB();
    openPad.clear();
}

wxString BenchProject::pad(long aantal, long richTekst)
{
    return map + wxString::Format("/project_%ld_%ld.vtd", aantal, richTekst);
}

wxString BenchProject::richTekst(long nummer, long lengte)
{
    const wxString kop = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<richtext version=\"1.0.0.0\" "
                         "xmlns=\"http://www.wxwidgets.org\">\n<paragraphlayout textcolor=\"#000000\" "
                         "fontpointsize=\"12\" fontfamily=\"70\" fontstyle=\"90\" fontweight=\"400\" "
                         "fontunderlined=\"0\" fontface=\"Sans\" alignment=\"1\" parspacingafter=\"10\">\n";
    const wxString staart = "</paragraphlayout>\n</richtext>\n";
    wxString tekst = kop;
    long alinea = 0;
    while (static_cast<long>(tekst.length() + staart.length()) < lengte)
    {
        ++alinea;
        tekst += wxString::Format("<paragraph><text>\"Requirement %ld, paragraph %ld: the system shall respond "
                                  "within the stated time under nominal load%s.\"</text></paragraph>\n",
                                  nummer, alinea, nummer % 100 == 0 && alinea == 1 ? " (needle)" : "");
    }
    return tekst + staart;
}

bool BenchProject::zaai(const wxString& bestand, long aantal, long richTekst)
{
    VerelTamsoApp& db = app();
    db.sluitDB();
    openPad.clear();
    {
        wxSQLite3Database nieuw;
        nieuw.Open(bestand);
    }
    if (db.open(wxFileName(bestand), false, wxString()) != 0 || db.startDatabase() != 0)
        return false;
    std::cerr << "Seeding " << aantal << " requirements with " << richTekst << " bytes of rich text ..." << std::endl;
    try
    {
        db.Begin();
        wxSQLite3Statement opdracht = db.PrepareStatement(
            "insert into Requirements (naam,datum,auteur,SR,prioriteit,totaleKosten,beschrijving,"
            "implementatieIngenieur,testIngenieur,status,type,funkType) values (?,?,?,?,?,?,?,?,?,?,?,?)");
        const wxString mensen[5] = {"Ine", "Klaas", "Piet", "Anna", "Jan"};
        for (long i = 1; i <= aantal; ++i)
        {
            opdracht.Bind(1, wxString::Format("Requirement %ld", i));
            opdracht.Bind(2, wxString::Format("2025-%02ld-%02ld", 1 + i % 12, 1 + i % 28));
            opdracht.Bind(3, mensen[i % 5]);
            opdracht.Bind(4, static_cast<int>(i));
            opdracht.Bind(5, static_cast<int>(1 + i % 100));
            opdracht.Bind(6, static_cast<int>(10 + i % 1000));
            opdracht.Bind(7, BenchProject::richTekst(i, richTekst));
            opdracht.Bind(8, mensen[(i + 1) % 5]);
            opdracht.Bind(9, mensen[(i + 2) % 5]);
            opdracht.Bind(10, static_cast<int>(i % 5));
            opdracht.Bind(11, static_cast<int>(i % 3));
            opdracht.Bind(12, static_cast<int>(i % 4));
            opdracht.ExecuteUpdate();
            opdracht.Reset();
        }
        db.Commit();
    }
    catch (const wxSQLite3Exception& fout)
    {
        std::cerr << "Seeding failed: " << fout.GetMessage().utf8_string() << std::endl;
        return false;
    }
    db.sluitDB();
    return true;
}

bool BenchProject::open(long aantal, long richTekst)
{
    const wxString bestand = pad(aantal, richTekst);
    if (openPad == bestand)
        return true;
    if (!wxFileExists(bestand) && !zaai(bestand, aantal, richTekst))
        return false;
    VerelTamsoApp& db = app();
    db.sluitDB();
    if (db.open(wxFileName(bestand), false, wxString()) != 0 || db.startDatabase() != 0)
        return false;
    // The measurements that follow do not share the disk with the check of
    // the whole file, nor wait for it at their first write.
    if (db.controleerBestand() != 0)
        return false;
    db.zetHoofdletterGevoeligheid(false);
    db.zetZoektermMoetExactOvereenkomen(false);
    openPad = bestand;
    return true;
}
