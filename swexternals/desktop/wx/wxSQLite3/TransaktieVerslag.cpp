#include "swexternals/desktop/wx/wxSQLite3/TransaktieVerslag.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sqlite3.h>
#include <string_view>
#include <utility>

namespace
{
// A few times the largest change a user makes by hand (a requirement with a
// pasted description of some hundreds of KB), a small part of what the
// program holds besides.
size_t grens = 32 * 1024 * 1024;

// How a statement is written into the record: its kind, then
//   tekst:      length, the UTF-8 text, a closing 0 (for sqlite3_exec);
//   voorbereid: length, the UTF-8 text, a closing 0, then its values;
//   herhaald:   the values of the prepared statement written last.
// Values: their number, then each its SQLite type and what it holds
// (8 bytes of a whole or real number, a length and the bytes of a text or
// BLOB, nothing for NULL).
enum Soort : unsigned char
{
    SoortTekst = 'T',
    SoortVoorbereid = 'V',
    SoortHerhaald = 'H'
};

constexpr std::string_view savepointBegin = "savepoint ";
constexpr std::string_view releaseBegin = "release ";

size_t geefWaardeGrootte(sqlite3_stmt* waarden, int kolom)
{
    switch (sqlite3_column_type(waarden, kolom))
    {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return 1 + 8;
    case SQLITE_TEXT:
    case SQLITE_BLOB:
        return 1 + sizeof(uint32_t) + static_cast<size_t>(sqlite3_column_bytes(waarden, kolom));
    default:
        return 1;
    }
}

// The record as it is read back, one piece after the other.
class Lezer
{
public:
    Lezer(const unsigned char* begin, size_t grootte) : plaats(begin), einde(begin + grootte) {}
    bool isKlaar() const { return plaats >= einde; }
    unsigned char leesByte() { return *plaats++; }
    size_t leesLengte()
    {
        uint32_t lengte;
        std::memcpy(&lengte, plaats, sizeof lengte);
        plaats += sizeof lengte;
        return lengte;
    }
    template <typename T> T leesGetal()
    {
        T getal;
        std::memcpy(&getal, plaats, sizeof getal);
        plaats += sizeof getal;
        return getal;
    }
    // `lengte` bytes, and the closing 0 after a text of a statement.
    const char* neem(size_t lengte, bool metNul)
    {
        const char* begin = reinterpret_cast<const char*>(plaats);
        plaats += lengte + (metNul ? 1 : 0);
        return begin;
    }

private:
    const unsigned char* plaats;
    const unsigned char* einde;
};

// Binds what the record holds for the parameter; the bytes stay where they
// are until the statement has run.
int bindWaarde(sqlite3_stmt* opdracht, int plaats, Lezer& lezer)
{
    switch (lezer.leesByte())
    {
    case SQLITE_INTEGER:
        return sqlite3_bind_int64(opdracht, plaats, lezer.leesGetal<sqlite3_int64>());
    case SQLITE_FLOAT:
        return sqlite3_bind_double(opdracht, plaats, lezer.leesGetal<double>());
    case SQLITE_TEXT:
    {
        const size_t lengte = lezer.leesLengte();
        return sqlite3_bind_text(opdracht, plaats, lezer.neem(lengte, false), static_cast<int>(lengte), SQLITE_STATIC);
    }
    case SQLITE_BLOB:
    {
        // An empty BLOB is no NULL.
        const size_t lengte = lezer.leesLengte();
        const char* bytes = lezer.neem(lengte, false);
        return lengte == 0 ? sqlite3_bind_zeroblob(opdracht, plaats, 0)
                           : sqlite3_bind_blob(opdracht, plaats, bytes, static_cast<int>(lengte), SQLITE_STATIC);
    }
    default:
        return sqlite3_bind_null(opdracht, plaats);
    }
}

// Runs the statement to its end, ready for the next values.
int stapTotKlaar(sqlite3_stmt* opdracht)
{
    int kode = sqlite3_step(opdracht);
    while (kode == SQLITE_ROW)
        kode = sqlite3_step(opdracht);
    if (kode != SQLITE_DONE)
        kode = sqlite3_extended_errcode(sqlite3_db_handle(opdracht));
    sqlite3_reset(opdracht);
    return kode == SQLITE_DONE ? SQLITE_OK : kode;
}

// One statement of the record, read at the reader's place; `voorbereid` is
// the prepared statement that a repeated one runs again. SQLite's code.
int voerStukUit(sqlite3* db, Lezer& lezer, sqlite3_stmt*& voorbereid)
{
    const unsigned char soort = lezer.leesByte();
    if (soort == SoortTekst)
    {
        const size_t lengte = lezer.leesLengte();
        return sqlite3_exec(db, lezer.neem(lengte, true), nullptr, nullptr, nullptr) == SQLITE_OK
                   ? SQLITE_OK
                   : sqlite3_extended_errcode(db);
    }
    int kode = SQLITE_OK;
    if (soort == SoortVoorbereid)
    {
        sqlite3_finalize(voorbereid);
        voorbereid = nullptr;
        const size_t lengte = lezer.leesLengte();
        kode = sqlite3_prepare_v2(db, lezer.neem(lengte, true), static_cast<int>(lengte), &voorbereid, nullptr);
    }
    const int aantal = static_cast<int>(lezer.leesLengte());
    for (int plaats = 1; plaats <= aantal; ++plaats)
    {
        const int gebonden = bindWaarde(voorbereid, plaats, lezer);
        kode = kode == SQLITE_OK ? gebonden : kode;
    }
    if (kode != SQLITE_OK || voorbereid == nullptr)
        return kode == SQLITE_OK ? SQLITE_MISUSE : sqlite3_extended_errcode(db);
    return stapTotKlaar(voorbereid);
}

TransaktieVerslag::Herstel geefHerstel(int kode)
{
    if (kode == SQLITE_BUSY_SNAPSHOT)
        return TransaktieVerslag::Herstel::Gewijzigd;
    if ((kode & 0xff) == SQLITE_BUSY || (kode & 0xff) == SQLITE_LOCKED)
        return TransaktieVerslag::Herstel::Vergrendeld;
    return TransaktieVerslag::Herstel::Mislukt;
}
} // namespace

size_t TransaktieVerslag::geefGrens()
{
    return grens;
}

size_t TransaktieVerslag::zetGrens(size_t nieuw)
{
    return std::exchange(grens, nieuw);
}

void TransaktieVerslag::begin(unsigned long long opening_)
{
    wis();
    opening = opening_;
    begonnen = true;
}

void TransaktieVerslag::neemOp(const char* tekst, size_t lengte)
{
    // A statement whose text is not known cannot be run again.
    if (lengte == 0 || !begonnen)
        markeerOnvolledig();
    if (onvolledig || !maakRuimte(1 + sizeof(uint32_t) + lengte + 1))
        return;
    const std::string_view opdracht(tekst, lengte);
    const unsigned char soort = SoortTekst;
    schrijf(&soort, 1);
    schrijfLengte(lengte);
    schrijf(tekst, lengte);
    schrijf("", 1);
    if (opdracht.substr(0, savepointBegin.size()) == savepointBegin)
        savepoints.emplace_back(opdracht.substr(savepointBegin.size()), inhoud.geefGrootte());
    else if (opdracht.substr(0, releaseBegin.size()) == releaseBegin)
    {
        // Released, it ends with those set after it; a rollback to its name
        // goes to one set before it.
        const std::string_view naam = opdracht.substr(releaseBegin.size());
        const auto gevonden = std::find_if(savepoints.rbegin(), savepoints.rend(),
                                           [&](const auto& savepoint) { return savepoint.first == naam; });
        if (gevonden != savepoints.rend())
            savepoints.erase(std::prev(gevonden.base()), savepoints.end());
    }
}

void TransaktieVerslag::neemOp(const char* sql, sqlite3_stmt* waarden)
{
    if (!begonnen)
        markeerOnvolledig();
    if (onvolledig)
        return;
    const size_t sqlLengte = std::strlen(sql);
    const bool herhaald = laatsteSQLLengte == sqlLengte && laatsteSQL + sqlLengte <= inhoud.geefGrootte() &&
                          std::memcmp(inhoud.geefBegin() + laatsteSQL, sql, sqlLengte) == 0;
    const int aantal = waarden == nullptr ? 0 : sqlite3_column_count(waarden);
    size_t grootte = 1 + (herhaald ? 0 : sizeof(uint32_t) + sqlLengte + 1) + sizeof(uint32_t);
    for (int kolom = 0; kolom < aantal; ++kolom)
        grootte += geefWaardeGrootte(waarden, kolom);
    if (!maakRuimte(grootte))
        return;
    const unsigned char soort = herhaald ? SoortHerhaald : SoortVoorbereid;
    schrijf(&soort, 1);
    if (!herhaald)
    {
        schrijfLengte(sqlLengte);
        laatsteSQL = inhoud.geefGrootte();
        laatsteSQLLengte = sqlLengte;
        schrijf(sql, sqlLengte + 1);
    }
    schrijfLengte(static_cast<size_t>(aantal));
    for (int kolom = 0; kolom < aantal; ++kolom)
    {
        const unsigned char type = static_cast<unsigned char>(sqlite3_column_type(waarden, kolom));
        schrijf(&type, 1);
        if (type == SQLITE_INTEGER)
        {
            const sqlite3_int64 getal = sqlite3_column_int64(waarden, kolom);
            schrijf(&getal, sizeof getal);
        }
        else if (type == SQLITE_FLOAT)
        {
            const double getal = sqlite3_column_double(waarden, kolom);
            schrijf(&getal, sizeof getal);
        }
        else if (type == SQLITE_TEXT || type == SQLITE_BLOB)
        {
            const void* bytes =
                type == SQLITE_TEXT ? sqlite3_column_text(waarden, kolom) : sqlite3_column_blob(waarden, kolom);
            const size_t lengte = static_cast<size_t>(sqlite3_column_bytes(waarden, kolom));
            schrijfLengte(lengte);
            if (lengte > 0)
                schrijf(bytes, lengte);
        }
    }
}

void TransaktieVerslag::markeerOnvolledig()
{
    const bool wasBegonnen = begonnen;
    wis();
    begonnen = wasBegonnen;
    onvolledig = true;
}

void TransaktieVerslag::rolTerugNaar(const std::string& savepoint)
{
    const auto gevonden = std::find_if(savepoints.rbegin(), savepoints.rend(),
                                       [&](const auto& gezet) { return gezet.first == savepoint; });
    if (gevonden == savepoints.rend())
        return;
    inhoud.kort(gevonden->second);
    vergeetSavepointsNa(gevonden->second);
}

void TransaktieVerslag::wis()
{
    inhoud.geefTerug();
    std::vector<std::pair<std::string, size_t>>().swap(savepoints);
    laatsteSQL = 0;
    laatsteSQLLengte = 0;
    versie = BestandsVersie();
    begonnen = false;
    onvolledig = false;
}

void TransaktieVerslag::zetVersie(const BestandsVersie& versie_)
{
    if (versie_.isBekend())
        versie = versie_;
    else
        markeerOnvolledig();
}

bool TransaktieVerslag::isVolledig(unsigned long long opening_) const
{
    return begonnen && !onvolledig && opening_ == opening;
}

TransaktieVerslag::Herstel TransaktieVerslag::speelAf(sqlite3* db,
                                                      const std::function<BestandsVersie()>& leesVersie) const
{
    Lezer lezer(inhoud.geefBegin(), inhoud.geefGrootte());
    sqlite3_stmt* voorbereid = nullptr;
    int kode = SQLITE_OK;
    for (bool eerste = true; kode == SQLITE_OK && !lezer.isKlaar(); eerste = false)
    {
        kode = voerStukUit(db, lezer, voorbereid);
        // Opened again, the transaction sees the file as it is now: the rest
        // runs only where nobody committed since, as SQLite refuses a write
        // on a view of the file that is no longer the newest.
        if (eerste && kode == SQLITE_OK && heeftVersie() && leesVersie() != versie)
            kode = SQLITE_BUSY_SNAPSHOT;
    }
    sqlite3_finalize(voorbereid);
    return kode == SQLITE_OK ? Herstel::Hersteld : geefHerstel(kode);
}

bool TransaktieVerslag::maakRuimte(size_t extra)
{
    if (inhoud.maakRuimte(extra, grens))
        return true;
    markeerOnvolledig();
    return false;
}

void TransaktieVerslag::schrijf(const void* bytes, size_t aantal)
{
    inhoud.schrijf(bytes, aantal);
}

void TransaktieVerslag::schrijfLengte(size_t lengte)
{
    const uint32_t waarde = static_cast<uint32_t>(lengte);
    schrijf(&waarde, sizeof waarde);
}

void TransaktieVerslag::vergeetSavepointsNa(size_t einde)
{
    while (!savepoints.empty() && savepoints.back().second > einde)
        savepoints.pop_back();
    if (laatsteSQL >= einde)
        laatsteSQLLengte = 0;
}
