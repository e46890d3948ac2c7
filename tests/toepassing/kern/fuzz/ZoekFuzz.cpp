// The search of the requirement list against whatever a user may type: the
// search gives no SQL error, a requirement whose title is the search text is
// always found, and the list holds exactly the requirements that a plain
// reading of their rows says match, in each of the three ways of matching.
//
// An input: one byte of switches (bit 0 case-sensitive, bit 1 exact, bit 2
// long texts), then texts separated by line feeds: the search text first,
// then texts for other requirements (their title, author and description).
// In the search text the bytes 0xFF 0xFE and a count n repeat the byte
// before them 256 * n times, so that a short input can make a search as long
// as a user may paste: up to 60,000 characters with bit 2, else 1,000, so
// that most inputs stay quick.
#include "tests/toepassing/kern/fuzz/FuzzOmgeving.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <locale>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{
wxString zonderNul(const wxString& tekst)
{
    wxString uit;
    for (const wxUniChar teken : tekst)
        if (teken.GetValue() != 0)
            uit += teken;
    return uit;
}

std::vector<wxString> splits(const uint8_t* data, size_t grootte, size_t grootsteTekst)
{
    std::vector<wxString> delen;
    size_t begin = 0;
    for (size_t i = 0; i <= grootte; ++i)
        if (i == grootte || data[i] == '\n')
        {
            const std::string_view bytes(reinterpret_cast<const char*>(data + begin), i - begin);
            const std::string deel = delen.empty() ? FuzzOmgeving::zetUit(bytes, grootsteTekst) : std::string(bytes);
            delen.push_back(FuzzOmgeving::alsTekst(reinterpret_cast<const uint8_t*>(deel.data()), deel.size()));
            begin = i + 1;
        }
    return delen;
}

// What a case-blind like folds every character into: the same locale's
// lower case, ASCII first.
wchar_t vouw(wchar_t teken)
{
    static const std::locale locale = []
    {
        for (const char* naam : {"C.UTF-8", "C.utf8", "en_US.UTF-8"})
        {
            try
            {
                return std::locale(naam);
            }
            catch (const std::exception&)
            {
            }
        }
        return std::locale::classic();
    }();
    if (teken < 0x80)
        return teken >= 'A' && teken <= 'Z' ? teken + ('a' - 'A') : teken;
    return std::use_facet<std::ctype<wchar_t>>(locale).tolower(teken);
}

std::wstring gevouwen(const wxString& tekst)
{
    std::wstring uit;
    for (const wxUniChar teken : tekst)
        uit += vouw(static_cast<wchar_t>(teken.GetValue()));
    return uit;
}

// Whether a text holds the part, in time that grows with the lengths, not
// with their product (Knuth-Morris-Pratt): a search text may be as long as
// the text it is in.
class Deeltekst
{
public:
    Deeltekst() = default;
    explicit Deeltekst(std::wstring deel) : deel(std::move(deel)), terug(this->deel.size(), 0)
    {
        for (size_t i = 1, k = 0; i < this->deel.size(); ++i)
        {
            while (k > 0 && this->deel[i] != this->deel[k])
                k = terug[k - 1];
            k += this->deel[i] == this->deel[k] ? 1 : 0;
            terug[i] = k;
        }
    }

    bool zitIn(const std::wstring& tekst) const
    {
        if (deel.empty())
            return true;
        size_t k = 0;
        for (const wchar_t teken : tekst)
        {
            while (k > 0 && teken != deel[k])
                k = terug[k - 1];
            k += teken == deel[k] ? 1 : 0;
            if (k == deel.size())
                return true;
        }
        return false;
    }

private:
    std::wstring deel;
    std::vector<size_t> terug;
};

std::wstring alsBreed(const wxString& tekst)
{
    std::wstring uit;
    for (const wxUniChar teken : tekst)
        uit += static_cast<wchar_t>(teken.GetValue());
    return uit;
}

// ASCII letters without regard to case: the column naam's collation.
bool gelijkZonderHoofdletters(const wxString& a, const wxString& b)
{
    if (a.length() != b.length())
        return false;
    for (size_t i = 0; i < a.length(); ++i)
    {
        const wxUint32 x = a[i].GetValue();
        const wxUint32 y = b[i].GetValue();
        const auto klein = [](wxUint32 c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
        if (klein(x) != klein(y))
            return false;
    }
    return true;
}

// A text that SQLite would compare with a number as a number: the exact
// match of a number column then follows rules this check leaves to SQLite.
bool lijktOpGetal(const wxString& tekst)
{
    const wxString kern = wxString(tekst).Trim(true).Trim(false);
    if (kern.empty())
        return false;
    double waarde = 0;
    return kern.ToCDouble(&waarde) || kern.StartsWith("0x") || kern.StartsWith("0X");
}

struct Zoeken
{
    wxString term;
    bool hoofdletters = false;
    bool exact = false;
    // The term as the two contained-text searches look for it.
    Deeltekst letterlijk;
    Deeltekst blind;

    void bereidVoor()
    {
        letterlijk = Deeltekst(alsBreed(term));
        blind = Deeltekst(gevouwen(term));
    }

    // Whether the value of a column matches, as the search means it.
    bool past(const wxString& kolom, const wxString& waarde, bool isGetal) const
    {
        if (exact)
        {
            if (isGetal)
                return waarde == term;
            return kolom == "naam" ? gelijkZonderHoofdletters(waarde, term) : waarde == term;
        }
        if (hoofdletters)
            return letterlijk.zitIn(alsBreed(waarde));
        return blind.zitIn(gevouwen(waarde));
    }
};

// The numbers of the requirements whose rows match, read with plain SQL.
std::vector<int> berekenLijst(VerelTamsoApp& project, const Zoeken& zoeken)
{
    std::vector<int> nummers;
    wxSQLite3ResultSet rij = project.ExecuteQuery("select * from Requirements");
    while (rij.NextRow())
    {
        bool gevonden = zoeken.term.empty();
        for (int i = 0; i < rij.GetColumnCount() && !gevonden; ++i)
        {
            if (rij.IsNull(i))
                continue;
            const bool isGetal = rij.GetColumnType(i) == WXSQLITE_INTEGER;
            gevonden = zoeken.past(rij.GetColumnName(i), rij.GetAsString(i), isGetal);
        }
        if (gevonden)
            nummers.push_back(rij.GetInt(rij.FindColumnIndex("SR")));
    }
    std::sort(nummers.begin(), nummers.end());
    return nummers;
}

void leegProject(VerelTamsoApp& project)
{
    if (project.startTransaktie() != 0 || project.executeUpdate("delete from Requirements") != 0 ||
        project.stopTransaktie() != 0)
        FuzzOmgeving::faal("the project could not be emptied");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzOmgeving::start(argc, argv);
    FuzzOmgeving::app<VerelTamsoApp>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t grootte)
{
    if (grootte == 0)
        return 0;
    VerelTamsoApp& project = FuzzOmgeving::app<VerelTamsoApp>();
    Zoeken zoeken;
    zoeken.hoofdletters = (data[0] & 1) != 0;
    zoeken.exact = (data[0] & 2) != 0;
    const std::vector<wxString> delen = splits(data + 1, grootte - 1, (data[0] & 4) != 0 ? 60000 : 1000);
    zoeken.term = delen[0];

    // The store's texts hold no NUL: the exchange file refuses one and a
    // control cannot take one. The search text may still hold one.
    leegProject(project);
    const wxString titel = zonderNul(zoeken.term);
    RequirementLijst rekken;
    for (size_t i = 0; i < delen.size() && i < 6; ++i)
    {
        Requirement rek;
        rek.SR = static_cast<int>(i) + 1;
        rek.naam = i == 0 ? titel : zonderNul(delen[i]);
        rek.auteur = i + 1 < delen.size() ? zonderNul(delen[i + 1]) : wxString();
        rek.beschrijving = i + 2 < delen.size() ? zonderNul(delen[i + 2]) : wxString();
        rek.datum = wxDateTime(29, wxDateTime::Feb, 2024);
        rek.afgetekendDatum = wxDateTime(1, wxDateTime::Mar, 2025);
        rekken.Add(rek);
    }
    // Titles that clash are refused with a message; the rest are added.
    const bool toegevoegd = project.voegToe(rekken, true) != 2 && project.stopTransaktie() == 0;
    wxString meldingen;
    FuzzOmgeving::geefMeldingen(meldingen);
    if (!toegevoegd)
        FuzzOmgeving::faal("adding failed:\n" + meldingen);
    const bool titelBestaat = !titel.empty() && project.executeSkalair("select count(*) from Requirements where SR==1 "
                                                                       "and naam==" +
                                                                       SQLite3Basis::quotes(titel)) == 1;

    project.zetHoofdletterGevoeligheid(zoeken.hoofdletters);
    project.zetZoektermMoetExactOvereenkomen(zoeken.exact);
    VerelTamsoApp::ZoekCriteria criteria;
    criteria.zoekTekst = zoeken.term;
    LijstSelektie selektie;
    const int gelezen = project.leesLijstSelektie(criteria, selektie);
    if (gelezen != 0 || FuzzOmgeving::geefMeldingen(meldingen) != 0)
        FuzzOmgeving::faal("the search for " + FuzzOmgeving::toon(zoeken.term) + " failed:\n" + meldingen);

    zoeken.bereidVoor();
    std::vector<int> lijst = selektie.nummers;
    std::sort(lijst.begin(), lijst.end());
    if (titelBestaat && titel == zoeken.term && !std::binary_search(lijst.begin(), lijst.end(), 1))
        FuzzOmgeving::faal("the requirement titled " + FuzzOmgeving::toon(titel) + " was not found");
    // An exact search for something SQLite takes for a number is left to it.
    if (zoeken.exact && lijktOpGetal(zoeken.term))
        return 0;
    const std::vector<int> berekend = berekenLijst(project, zoeken);
    if (lijst != berekend)
        FuzzOmgeving::faal("the search for " + FuzzOmgeving::toon(zoeken.term) + " (case " +
                           (zoeken.hoofdletters ? "sensitive" : "blind") + (zoeken.exact ? ", exact" : "") + ") lists" +
                           FuzzOmgeving::toon(lijst) + " where the rows say" + FuzzOmgeving::toon(berekend));
    return 0;
}
