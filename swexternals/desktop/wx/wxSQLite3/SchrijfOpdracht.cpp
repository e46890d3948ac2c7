#include "swexternals/desktop/wx/wxSQLite3/SchrijfOpdracht.h"

#include <cstring>
#include <sqlite3.h>
#include <string>

namespace
{
// The columns of a row of EXPLAIN.
constexpr int kolomOpcode = 1;
constexpr int kolomP1 = 2;
constexpr int kolomP2 = 3;
constexpr int kolomP3 = 4;
// The main database is the first of the connection; a journal mode of -1
// only asks for the mode.
constexpr int hoofdDatabase = 0;
constexpr int alleenVragen = -1;

bool isSchrijvendeStap(const char* opcode, int p1, int p2, int p3)
{
    if (opcode == nullptr || p1 != hoofdDatabase)
        return false;
    if (std::strcmp(opcode, "Transaction") == 0)
        return p2 != 0;
    if (std::strcmp(opcode, "JournalMode") == 0)
        return p3 != alleenVragen;
    return std::strcmp(opcode, "Vacuum") == 0;
}
} // namespace

bool SchrijfOpdracht::isSchrijvend(sqlite3* db, sqlite3_stmt* opdracht)
{
    if (opdracht == nullptr || sqlite3_stmt_readonly(opdracht))
        return false;
    const char* tekst = sqlite3_sql(opdracht);
    if (tekst == nullptr)
        return true;
    const std::string uitleg = std::string("explain ") + tekst;
    sqlite3_stmt* stappen = nullptr;
    if (sqlite3_prepare_v2(db, uitleg.c_str(), -1, &stappen, nullptr) != SQLITE_OK || stappen == nullptr)
    {
        sqlite3_finalize(stappen);
        return true;
    }
    bool schrijvend = false;
    while (!schrijvend && sqlite3_step(stappen) == SQLITE_ROW)
        schrijvend = isSchrijvendeStap(reinterpret_cast<const char*>(sqlite3_column_text(stappen, kolomOpcode)),
                                       sqlite3_column_int(stappen, kolomP1), sqlite3_column_int(stappen, kolomP2),
                                       sqlite3_column_int(stappen, kolomP3));
    sqlite3_finalize(stappen);
    return schrijvend;
}

bool SchrijfOpdracht::isSchrijvend(sqlite3* db, const char* tekst)
{
    const char* rest = tekst;
    while (rest != nullptr && *rest != '\0')
    {
        sqlite3_stmt* opdracht = nullptr;
        const char* staart = nullptr;
        const int kode = sqlite3_prepare_v2(db, rest, -1, &opdracht, &staart);
        const bool schrijvend = kode != SQLITE_OK || isSchrijvend(db, opdracht);
        sqlite3_finalize(opdracht);
        if (schrijvend)
            return true;
        rest = staart;
    }
    return false;
}
