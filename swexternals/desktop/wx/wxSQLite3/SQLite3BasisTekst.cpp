// Building SQL text: literals, like and glob patterns, sort clause, column
// lists, insert and update texts. Every value from outside is quoted here.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/ToonbareTekst.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <wx/intl.h>
#include <wx/log.h>

wxString SQLite3Basis::maakVeilig(const wxString& tekst)
{
    wxString veilig = tekst;
    veilig.Replace("'", "''");
    return veilig;
}

// A NUL would end the statement where it stands: such a text goes in as
// its UTF-8 bytes, a blob literal that SQLite reads back as the text.
wxString SQLite3Basis::quotes(const wxString& tekst)
{
    if (tekst.find(wxUniChar(0)) == wxString::npos)
        return "'" + maakVeilig(tekst) + "'";
    static const char cijfers[] = "0123456789abcdef";
    const wxScopedCharBuffer utf8 = tekst.utf8_str();
    wxString hex;
    hex.reserve(2 * utf8.length());
    for (size_t i = 0; i < utf8.length(); ++i)
    {
        const unsigned char byte = static_cast<unsigned char>(utf8.data()[i]);
        hex << cijfers[byte >> 4] << cijfers[byte & 0x0F];
    }
    return "cast(x'" + hex + "' as text)";
}

wxString SQLite3Basis::plaatsBoodschapQuotes(const wxString& tekst)
{
    return maakVeilig(tekst);
}

wxString SQLite3Basis::verwijderBoodschapQuotes(const wxString& tekst)
{
    wxString terug = tekst;
    terug.Replace("''", "'");
    return terug;
}

// Glob knows no escape character: a wildcard stands for itself inside a
// bracket set, "[*]", "[?]" and "[[]".
wxString SQLite3Basis::sterQuotes(const wxString& tekst)
{
    wxString letterlijk;
    for (const wxUniChar teken : tekst)
    {
        if (teken == '*' || teken == '?' || teken == '[')
            letterlijk << '[' << teken << ']';
        else
            letterlijk << teken;
    }
    return quotes(letterlijk.empty() ? wxString("*") : "*" + letterlijk + "*");
}

// The escape character itself is escaped too once the pattern uses it, or a
// backslash typed before a letter would swallow it.
wxString SQLite3Basis::procentQuotes(const wxString& tekst)
{
    const bool ontsnappen = tekst.Contains("%") || tekst.Contains("_");
    wxString patroon = tekst;
    if (ontsnappen)
    {
        patroon.Replace("\\", "\\\\");
        patroon.Replace("%", "\\%");
        patroon.Replace("_", "\\_");
    }
    const wxString literal = quotes("%%" + patroon + (patroon.empty() ? "" : "%%"));
    return ontsnappen ? literal + " escape " + quotes("\\") : literal;
}

wxString SQLite3Basis::haakjes(const wxString& tekst)
{
    return "(" + tekst + ")";
}

wxString SQLite3Basis::floatWaarde(float waarde, const wxString& formaat)
{
    wxString tekst = wxString::Format(formaat, static_cast<double>(waarde));
    tekst.Replace(",", ".");
    return tekst;
}

wxString SQLite3Basis::maakExclusiefOf(const wxString& a, const wxString& b)
{
    return "(~((" + a + ")&(" + b + ")))&((" + a + ")|(" + b + "))";
}

wxString SQLite3Basis::sorteer(const wxString& kolom, Sortering sortering)
{
    static const wxString richtingen[3] = {wxString(), "asc", "desc"};
    if (sortering == SorteringGeen || sortering > SorteringAflopend || kolom.empty())
        return wxString();
    return " order by " + kolom + " " + richtingen[sortering];
}

void SQLite3Basis::maakTabelLijst(const wxArrayString& lijst, wxArrayString& namen, wxArrayString& types)
{
    namen.clear();
    types.clear();
    for (size_t i = 0; i + 1 < lijst.size(); i += 2)
    {
        namen.Add(lijst[i]);
        types.Add(lijst[i + 1]);
    }
}

void SQLite3Basis::maakTabelNaamMaakLijst(wxArrayString& lijst, const wxArrayString& namen, const wxArrayString& types)
{
    lijst.clear();
    for (size_t i = 0; i < namen.size() && i < types.size(); ++i)
    {
        lijst.Add(namen[i]);
        lijst.Add(types[i]);
    }
}

wxString SQLite3Basis::voegSamen(const wxArrayString& namen, size_t vanaf, const wxString& achter)
{
    wxString lijst;
    for (size_t i = vanaf; i < namen.size(); ++i)
    {
        if (i > vanaf)
            lijst += ",";
        lijst += namen[i] + achter;
    }
    return lijst;
}

wxString SQLite3Basis::maakSelektie(const wxArrayString& namen, bool metEerste, bool metHaakjes)
{
    const wxString lijst = voegSamen(namen, metEerste ? 0 : 1, wxString());
    return metHaakjes ? " (" + lijst + ")" : lijst;
}

wxString SQLite3Basis::maakQuery(const wxArrayString& namen, bool metEerste)
{
    const wxString tekst = maakSelektie(namen, metEerste, false) + " ";
    DesktopFunkties::wxLogVeilig("(SQLite3Basis::maakQuery) querystring = " + tekst);
    return tekst;
}

wxString SQLite3Basis::maakInsert(const wxArrayString& namen, bool metEerste)
{
    const size_t vanaf = metEerste ? 0 : 1;
    wxString plaatsen;
    for (size_t i = vanaf; i < namen.size(); ++i)
        plaatsen += i > vanaf ? ",?" : "?";
    const wxString tekst = maakSelektie(namen, metEerste, true) + " values (" + plaatsen + ")";
    DesktopFunkties::wxLogVeilig("(SQLite3Basis::maakInsert) insertstring = " + tekst);
    return tekst;
}

wxString SQLite3Basis::maakInsert(const wxArrayString& namen, const wxArrayString& waarden, bool metEerste)
{
    wxString lijst;
    for (size_t i = 0; i < waarden.size(); ++i)
        lijst += (i > 0 ? "," : "") + quotes(waarden[i]);
    return maakSelektie(namen, metEerste, true) + " values (" + lijst + ")";
}

wxString SQLite3Basis::maakInsert(const wxArrayString& namen, const wxArrayInt& waarden, bool metEerste)
{
    wxArrayString teksten;
    for (const int waarde : waarden)
        teksten.Add(wxString::Format("%d", waarde));
    return maakInsert(namen, teksten, metEerste);
}

wxString SQLite3Basis::maakUpdate(const wxArrayString& namen, bool metEerste)
{
    return " set " + voegSamen(namen, metEerste ? 0 : 1, "=?");
}

namespace
{
wxString tekstParen(const wxArrayString& namen, const wxArrayString& teksten)
{
    wxString paren;
    for (size_t i = 0; i < namen.size(); ++i)
        paren += (i > 0 ? "," : "") + namen[i] + "=" + SQLite3Basis::quotes(teksten[i]);
    return paren;
}

wxString getalParen(const wxArrayString& namen, const wxArrayInt& getallen)
{
    wxString paren;
    for (size_t i = 0; i < namen.size(); ++i)
        paren += (i > 0 ? "," : "") + namen[i] + "=" + wxString::Format("%d", getallen[i]);
    return paren;
}

wxString getalLijst(const wxArrayInt& getallen, size_t aantal)
{
    wxString lijst;
    for (size_t i = 0; i < aantal; ++i)
        lijst += (i > 0 ? "," : "") + wxString::Format("%d", getallen[i]);
    return lijst;
}

wxString tekstLijst(const wxArrayString& teksten, size_t aantal)
{
    wxString lijst;
    for (size_t i = 0; i < aantal; ++i)
        lijst += (i > 0 ? "," : "") + SQLite3Basis::quotes(teksten[i]);
    return lijst;
}

wxString scheiding(bool eerste, bool tweede)
{
    return eerste && tweede ? "," : "";
}

// A value list shorter than its names would be read past its end.
bool passenWaarden(size_t namen, size_t waarden)
{
    if (waarden >= namen)
        return true;
    wxLogError("%s", _("There are fewer values than columns; nothing was stored."));
    return false;
}
} // namespace

int SQLite3Basis::doeInsert(const wxString& tabelNaam, const wxArrayString& namen, const wxArrayString& waarden)
{
    return executeUpdate("insert into " + tabelNaam + " " + maakInsert(namen, waarden, true), -1);
}

int SQLite3Basis::doeInsert(const wxString& tabelNaam, const wxArrayString& namen, const wxArrayInt& waarden)
{
    return executeUpdate("insert into " + tabelNaam + " " + maakInsert(namen, waarden, true), -1);
}

int SQLite3Basis::doeInsert(const wxString& tabelNaam, const wxArrayString& tekstNamen, const wxArrayString& teksten,
                            const wxArrayString& getalNamen, const wxArrayInt& getallen)
{
    if (!passenWaarden(tekstNamen.size(), teksten.size()) || !passenWaarden(getalNamen.size(), getallen.size()))
        return 2;
    const wxString tussen = scheiding(!tekstNamen.empty(), !getalNamen.empty());
    const wxString opdracht = "insert into " + tabelNaam + " (" + voegSamen(tekstNamen, 0, wxString()) + tussen +
                              voegSamen(getalNamen, 0, wxString()) + ") values (" +
                              tekstLijst(teksten, tekstNamen.size()) + tussen +
                              getalLijst(getallen, getalNamen.size()) + ")";
    return executeUpdate(opdracht, -1);
}

int SQLite3Basis::doeUpdate(const wxString& tabelNaam, const wxArrayString& namen, const wxArrayString& waarden,
                            const wxString& voorwaarde)
{
    if (!passenWaarden(namen.size(), waarden.size()))
        return 2;
    return executeUpdate("update " + tabelNaam + " set " + tekstParen(namen, waarden) + voorwaardeDeel(voorwaarde), -1);
}

int SQLite3Basis::doeUpdate(const wxString& tabelNaam, const wxArrayString& namen, const wxArrayInt& waarden,
                            const wxString& voorwaarde)
{
    if (!passenWaarden(namen.size(), waarden.size()))
        return 2;
    return executeUpdate("update " + tabelNaam + " set " + getalParen(namen, waarden) + voorwaardeDeel(voorwaarde), -1);
}

int SQLite3Basis::doeUpdate(const wxString& tabelNaam, const wxArrayString& tekstNamen, const wxArrayString& teksten,
                            const wxArrayString& getalNamen, const wxArrayInt& getallen, const wxString& voorwaarde)
{
    if (!passenWaarden(tekstNamen.size(), teksten.size()) || !passenWaarden(getalNamen.size(), getallen.size()))
        return 2;
    return executeUpdate("update " + tabelNaam + " set " + tekstParen(tekstNamen, teksten) +
                             scheiding(!tekstNamen.empty(), !getalNamen.empty()) + getalParen(getalNamen, getallen) +
                             voorwaardeDeel(voorwaarde),
                         -1);
}

long long SQLite3Basis::geefLaatsteInsertNummer()
{
    return executeSkalair("select last_insert_rowid()");
}

wxArrayString SQLite3Basis::geefKolom(const wxString& tabelNaam, const wxString& kolom, Sortering sortering,
                                      const wxString& sorteerKolom)
{
    wxArrayString waarden;
    wxArrayString kolommen;
    kolommen.Add("distinct " + kolom);
    wxSQLite3Table tabel;
    if (leesTabelMetQuery(tabelNaam, kolommen, wxString(), sortering, sorteerKolom, tabel) != 0)
        return waarden;
    try
    {
        for (int rij = 0; rij < tabel.GetRowCount(); ++rij)
        {
            tabel.SetRow(rij);
            waarden.Add(ToonbareTekst::maak(tabel.GetString(0, wxString())));
        }
        tabel.Finalize();
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        waarden.clear();
    }
    return waarden;
}
