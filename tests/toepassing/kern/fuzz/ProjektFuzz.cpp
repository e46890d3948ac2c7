// A project file as another tool or a damaged disk may leave it, against
// what the main window does with a project: its rows hold whatever bytes
// and values the input gives (texts that are no UTF-8, code points beyond
// U+10FFFF, NUL, long texts; numbers, statuses and types out of range, or
// texts where numbers belong). Then the list is read in every sort order,
// with and without a search text, a page of it, the existence checks, the
// totals, the people, and a row is exported, changed and deleted. Nothing
// may assert, fail or log an error; every text shown must be one the
// toolkit can draw; the percentages and the completion stay within 0 to
// 100; the list holds the rows the condition selects, in the order SQLite
// would sort them; a change of one field leaves the bytes of the others.
//
// An input: one byte of switches (bit 0 case-sensitive, bit 1 exact, bit 2
// long texts), then segments separated by 0x1E: the search text first, then
// up to six rows. A row's fields are separated by 0x1F, in this order: the
// title, author, description, implementation engineer, test engineer,
// signer, comment (bytes, stored as they are), then I.D number, priority,
// cost, status, type, functional type (an integer or a real number is
// stored as one, anything else as text) and date (text). In a text the
// bytes 0xFF 0xFE and a count n repeat the byte before them 256 * n times,
// up to 60,000 bytes with bit 2, else 1,000.
#include "swexternals/desktop/ToonbareTekst.h"
#include "tests/toepassing/kern/fuzz/FuzzOmgeving.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>
#include <wx/filename.h>

namespace
{
// The search condition in reach, to ask SQLite which rows it selects.
class ProjektApp : public VerelTamsoApp
{
public:
    using VerelTamsoApp::zoekVoorwaarde;
};

const char* const tekstKolommen[] = {"naam",          "auteur",     "beschrijving", "implementatieIngenieur",
                                     "testIngenieur", "aftekenaar", "kommentaar"};
const char* const getalKolommen[] = {"SR", "prioriteit", "totaleKosten", "status", "type", "funkType"};
constexpr size_t aantalTekstKolommen = sizeof tekstKolommen / sizeof tekstKolommen[0];
constexpr size_t aantalGetalKolommen = sizeof getalKolommen / sizeof getalKolommen[0];

std::vector<std::string> splits(const std::string& bytes, char scheiding)
{
    std::vector<std::string> delen(1);
    for (const char byte : bytes)
    {
        if (byte == scheiding)
            delen.emplace_back();
        else
            delen.back() += byte;
    }
    return delen;
}

// The bytes as they are, NUL and all.
wxString alsSQLTekst(const std::string& bytes)
{
    static const char cijfers[] = "0123456789ABCDEF";
    wxString hex;
    for (const char byte : bytes)
        hex << cijfers[static_cast<unsigned char>(byte) >> 4] << cijfers[static_cast<unsigned char>(byte) & 0x0F];
    return "cast(X'" + hex + "' as text)";
}

bool leesGeheel(const std::string& tekst, long long& waarde)
{
    if (tekst.empty() || tekst.find('\0') != std::string::npos)
        return false;
    char* eind = nullptr;
    errno = 0;
    waarde = std::strtoll(tekst.c_str(), &eind, 10);
    return errno == 0 && *eind == '\0';
}

wxString alsSQLGetal(const std::string& tekst)
{
    long long geheel = 0;
    if (leesGeheel(tekst, geheel))
        return wxString::Format("%lld", geheel);
    if (!tekst.empty() && tekst.find('\0') == std::string::npos)
    {
        char* eind = nullptr;
        const double reeel = std::strtod(tekst.c_str(), &eind);
        if (*eind == '\0' && std::isfinite(reeel))
            return wxString::FromCDouble(reeel);
    }
    return alsSQLTekst(tekst);
}

struct Rij
{
    int SR;
    wxString opdracht;
};

// The insert of one row; the number is its own when it fits a record, so
// that the list's numbers name the rows.
Rij maakRij(const std::vector<std::string>& velden, size_t plaats, size_t grootsteTekst)
{
    const auto veld = [&](size_t i) { return i < velden.size() ? velden[i] : std::string(); };
    Rij rij;
    long long SR = 0;
    rij.SR = leesGeheel(veld(aantalTekstKolommen), SR) && SR >= INT_MIN && SR <= INT_MAX ? static_cast<int>(SR)
                                                                                         : static_cast<int>(plaats);
    wxString kolommen = "SR";
    wxString waarden = wxString::Format("%d", rij.SR);
    for (size_t i = 0; i < aantalTekstKolommen; ++i)
    {
        kolommen += wxString(",") + tekstKolommen[i];
        waarden += "," + alsSQLTekst(FuzzOmgeving::zetUit(veld(i), grootsteTekst));
    }
    for (size_t i = 1; i < aantalGetalKolommen; ++i)
        if (aantalTekstKolommen + i < velden.size())
        {
            kolommen += wxString(",") + getalKolommen[i];
            waarden += "," + alsSQLGetal(veld(aantalTekstKolommen + i));
        }
    const size_t datum = aantalTekstKolommen + aantalGetalKolommen;
    if (datum < velden.size())
    {
        kolommen += ",datum";
        waarden += "," + alsSQLTekst(veld(datum));
    }
    // A title or number taken already, or a NULL where none may be: the row
    // is left out, as the file could not hold it.
    rij.opdracht = "insert or ignore into Requirements (" + kolommen + ") values (" + waarden + ")";
    return rij;
}

void voerUit(ProjektApp& project, const wxString& opdracht)
{
    if (project.executeUpdate(opdracht, -1) != 0)
    {
        wxString meldingen;
        FuzzOmgeving::geefMeldingen(meldingen);
        FuzzOmgeving::faal("the test's statement failed: " + FuzzOmgeving::toon(opdracht) + "\n" + meldingen);
    }
}

void geenMeldingen(const wxString& waarbij)
{
    wxString meldingen;
    if (FuzzOmgeving::geefMeldingen(meldingen) != 0)
        FuzzOmgeving::faal(waarbij + " reported:\n" + meldingen);
}

std::vector<int> leesNummers(ProjektApp& project, const wxString& opdracht)
{
    std::vector<int> nummers;
    wxSQLite3ResultSet rij = project.ExecuteQuery(opdracht);
    while (rij.NextRow())
        nummers.push_back(rij.GetInt(0));
    return nummers;
}

// What the list draws of a text: the toolkit converts it to UTF-8 and gives
// up on anything it cannot (with an assertion, which fails the run).
void controleerToonbaar(const wxString& tekst, const wxString& veld)
{
    if (!ToonbareTekst::isToonbaar(tekst))
        FuzzOmgeving::faal("the " + veld + " " + FuzzOmgeving::toon(tekst) + " cannot be drawn");
    if (!tekst.empty() && tekst.utf8_str().length() == 0)
        FuzzOmgeving::faal("the " + veld + " " + FuzzOmgeving::toon(tekst) + " does not convert to UTF-8");
}

void controleerAandeel(double waarde, const wxString& wat)
{
    constexpr double marge = 1e-6;
    if (!(waarde >= -marge && waarde <= 100.0 + marge))
        FuzzOmgeving::faal(wat + wxString::Format(" is %g, outside 0 to 100", waarde));
}

// The list in one order: the rows the condition selects, in the order of
// SQLite's "order by" with equal values by their row ids.
void controleerSelektie(ProjektApp& project, const VerelTamsoApp::ZoekCriteria& criteria, LijstSelektie& selektie)
{
    if (project.leesLijstSelektie(criteria, selektie) != 0)
        FuzzOmgeving::faal("the list could not be read");
    geenMeldingen("the list");
    const bool aandeel =
        criteria.sorteerKolom == VerelTamsoApp::KolomBijdrage || criteria.sorteerKolom == VerelTamsoApp::KolomVoortgang;
    wxString volgorde = " order by ";
    if (criteria.sortering != SorteringGeen && !aandeel)
        volgorde += VerelTamsoApp::geefDBKolomNaam(criteria.sorteerKolom) +
                    (criteria.sortering == SorteringOplopend ? " asc," : " desc,");
    const std::vector<int> verwacht =
        leesNummers(project, "select SR from Requirements where " + project.zoekVoorwaarde + volgorde + "id asc");
    std::vector<int> lijst = selektie.nummers;
    std::vector<int> gesorteerd = verwacht;
    if (aandeel && criteria.sortering != SorteringGeen)
    {
        std::sort(lijst.begin(), lijst.end());
        std::sort(gesorteerd.begin(), gesorteerd.end());
    }
    if (lijst != gesorteerd)
        FuzzOmgeving::faal(wxString::Format("sorted on column %u, direction %u, the list holds",
                                            static_cast<unsigned int>(criteria.sorteerKolom),
                                            static_cast<unsigned int>(criteria.sortering)) +
                           FuzzOmgeving::toon(selektie.nummers) + " where SQLite gives" + FuzzOmgeving::toon(verwacht));
    controleerAandeel(selektie.voltooiing, "the completion");
}

void controleerPagina(ProjektApp& project, const LijstSelektie& selektie)
{
    RequirementLijst pagina;
    if (project.leesLijstPagina(selektie, 0, 50, pagina) != 0 ||
        pagina.size() != std::min<size_t>(50, selektie.geefAantal()))
        FuzzOmgeving::faal("a page of the list could not be read");
    geenMeldingen("a page of the list");
    for (size_t i = 0; i < pagina.size(); ++i)
    {
        const Requirement& rek = pagina[i];
        for (const wxString* tekst : {&rek.naam, &rek.auteur, &rek.implementatieIngenieur, &rek.testIngenieur})
            controleerToonbaar(*tekst, "text of a row");
        controleerToonbaar(VerelTamsoApp::geefStatusAanduiding(rek.status), "status");
        controleerAandeel(rek.werkVerricht, "a contribution");
        controleerAandeel(rek.laagFruit, "a progress gain");
    }
}

wxString hexVan(ProjektApp& project, int SR)
{
    const wxArrayString waarden = project.executeStringKolomQuery(wxString::Format(
        "select hex(naam)||'|'||hex(auteur)||'|'||hex(beschrijving) from Requirements where SR==%d", SR));
    return waarden.empty() ? wxString() : waarden[0];
}

void controleerRijen(ProjektApp& project, const std::vector<int>& nummers)
{
    for (const int SR : nummers)
    {
        const Requirement rek = project.geefRequirement(SR);
        for (const wxString* tekst : {&rek.naam, &rek.auteur, &rek.beschrijving, &rek.implementatieIngenieur,
                                      &rek.testIngenieur, &rek.aftekenaar, &rek.kommentaar})
            controleerToonbaar(*tekst, "text of a requirement");
        const bool gevuld = project.executeSkalair(wxString::Format(
                                "select length(cast(naam as blob)) from Requirements where SR==%d", SR)) > 0;
        if (rek.SR != SR || (gevuld && rek.naam.empty()))
            FuzzOmgeving::faal(wxString::Format("requirement %d reads as %d titled ", SR, rek.SR) +
                               FuzzOmgeving::toon(rek.naam));
        // The existence checks: by number always, by title where the title
        // reads as it is stored.
        const bool letterlijk =
            project.executeSkalair(wxString::Format("select count(*) from Requirements where SR==%d and naam==", SR) +
                                   SQLite3Basis::quotes(rek.naam)) == 1;
        if (project.bestaatRequirement(SR) != 0 || !project.rekBestaat(rek) ||
            (letterlijk && !project.rekBestaat(rek.naam)))
            FuzzOmgeving::faal(wxString::Format("requirement %d is not found", SR));

        // Exported, it reads back as shown.
        const wxFileName bestand(FuzzOmgeving::pad("rij.txt"));
        if (rek.bewaarOpDisk(bestand) != 0)
            FuzzOmgeving::faal(wxString::Format("requirement %d could not be exported", SR));
        const Requirement terug(bestand);
        if (!rek.naam.Contains("##>>") && !rek.naam.Contains("\r") && terug.naam != rek.naam)
            FuzzOmgeving::faal("the title " + FuzzOmgeving::toon(rek.naam) + " was exported as " +
                               FuzzOmgeving::toon(terug.naam));
        geenMeldingen(wxString::Format("requirement %d", SR));
    }
}

// Another field changed, then the row deleted, both found by what was read.
void veranderEnVerwijder(ProjektApp& project, int SR)
{
    const Requirement oud = project.geefRequirement(SR);
    const wxString voor = hexVan(project, SR);
    Requirement nieuw(oud);
    nieuw.versie = oud.versie == "2.0.0" ? "3.0.0" : "2.0.0";
    if (project.verander(oud, nieuw, true) != 0 || hexVan(project, SR) != voor)
        FuzzOmgeving::faal(wxString::Format("the change of requirement %d failed or touched its texts: ", SR) + voor +
                           " became " + hexVan(project, SR));
    if (project.verwijder(project.geefRequirement(SR)) != 0 ||
        project.executeSkalair(wxString::Format("select count(*) from Requirements where SR==%d", SR)) != 0)
        FuzzOmgeving::faal(wxString::Format("requirement %d was not deleted", SR));
    if (project.stopTransaktie() != 0)
        FuzzOmgeving::faal("the change was not committed");
    geenMeldingen("the change");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzOmgeving::start(argc, argv);
    FuzzOmgeving::app<ProjektApp>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t grootte)
{
    if (grootte == 0)
        return 0;
    ProjektApp& project = FuzzOmgeving::app<ProjektApp>();
    const size_t grootsteTekst = (data[0] & 4) != 0 ? 60000 : 1000;
    const std::vector<std::string> delen =
        splits(std::string(reinterpret_cast<const char*>(data + 1), grootte - 1), '\x1E');

    if (project.startTransaktie() != 0)
        FuzzOmgeving::faal("no transaction");
    voerUit(project, "delete from Requirements");
    for (size_t i = 1; i < delen.size() && i <= 6; ++i)
        voerUit(project, maakRij(splits(delen[i], '\x1F'), i, grootsteTekst).opdracht);
    if (project.stopTransaktie() != 0)
        FuzzOmgeving::faal("the rows were not committed");
    geenMeldingen("making the project");
    const std::vector<int> nummers = leesNummers(project, "select SR from Requirements order by id");

    project.zetHoofdletterGevoeligheid((data[0] & 1) != 0);
    project.zetZoektermMoetExactOvereenkomen((data[0] & 2) != 0);
    // What the user types: the search field holds text the toolkit can take.
    const wxString zoekTekst = ToonbareTekst::uitUTF8(delen[0].data(), std::min<size_t>(delen[0].size(), 1000));
    LijstSelektie selektie;
    // Without a direction the column plays no part: once is enough.
    for (const wxString& tekst : {wxString(), zoekTekst})
        for (unsigned int kolom = 0; kolom < VerelTamsoApp::aantalKolommen; ++kolom)
            for (const Sortering sortering : {SorteringGeen, SorteringOplopend, SorteringAflopend})
                if (sortering != SorteringGeen || kolom == 0)
                {
                    VerelTamsoApp::ZoekCriteria criteria;
                    criteria.zoekTekst = tekst;
                    criteria.sorteerKolom = static_cast<VerelTamsoApp::Kolommen>(kolom);
                    criteria.sortering = sortering;
                    controleerSelektie(project, criteria, selektie);
                }
    controleerSelektie(project, VerelTamsoApp::ZoekCriteria(), selektie);
    controleerPagina(project, selektie);

    long long aantal = 0;
    long long kosten = 0;
    wxArrayString personen;
    if (project.leesProjektTotalen(aantal, kosten) != 0 || aantal != static_cast<long long>(nummers.size()) ||
        project.leesAlleWerknemers(personen) != 0)
        FuzzOmgeving::faal("the project's totals or people could not be read");
    for (const wxString& persoon : personen)
        controleerToonbaar(persoon, "person");
    geenMeldingen("the totals");
    // After the highest possible number there is none, which is said.
    const long long hoogste = nummers.empty() ? 0 : *std::max_element(nummers.begin(), nummers.end());
    const int volgende = project.geefEerstvolgendeSRNummer();
    wxString meldingen;
    const bool gemeld = FuzzOmgeving::geefMeldingen(meldingen) != 0;
    if (hoogste == INT_MAX ? volgende != 0 || !gemeld : volgende != hoogste + 1 || gemeld)
        FuzzOmgeving::faal(wxString::Format("after %lld the next number is %d\n", hoogste, volgende) + meldingen);

    controleerRijen(project, nummers);
    if (!nummers.empty())
        veranderEnVerwijder(project, nummers.front());
    return 0;
}
