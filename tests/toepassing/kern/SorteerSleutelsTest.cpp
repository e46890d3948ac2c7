// The list is sorted in the program, not by SQLite's sorter: the order must
// be SQLite's own for every kind of value a project file can hold in a
// column, whatever its declared type.
#include "toepassing/kern/SorteerSleutels.h"

#include <gtest/gtest.h>
#include <wx/wxsqlite3.h>

TEST(SorteerSleutels, DeVolgordeIsDieVanSQLiteVoorElkeSoortWaarde)
{
    wxSQLite3Database db;
    db.Open(":memory:");
    db.ExecuteUpdate("create table t(v)");
    // Equal values in several forms, numbers at the edges of 64 bits, texts
    // that differ only in case, beyond ASCII, with a NUL inside, blobs.
    db.ExecuteUpdate(wxString::FromUTF8(
        "insert into t(v) values (null),(3),(3.0),(2.5),(-1),(9223372036854775807),(9223372036854775807.0),"
        "(-9223372036854775808),(-9.3e18),(1e300),(''),('a'),('A'),('B'),('b'),('ab'),('aB'),('Ab'),"
        "('a' || char(0) || 'z'),('a' || char(0) || 'b'),('a' || char(0)),('\u00e9cole'),('\u00c9COLE'),"
        "('ecole'),('3'),(x'00'),(x''),(x'61'),(null),(3),('a'),(x'61'),('Requirement 12345'),"
        "('requirement 1234'),('REQUIREMENT 12345'),('Requirement 123456789'),('requirement 1234' || char(0)),"
        "('Requirement 1234' || char(0) || 'b'),('requirement 1234' || char(0) || 'a'),(x'000000000000000000000001'),"
        "(x'0000000000000000000000')"));
    for (const bool zonderHoofdletters : {false, true})
        for (const bool oplopend : {true, false})
        {
            SorteerSleutels sleutels(zonderHoofdletters);
            std::vector<long long> rijen;
            wxSQLite3ResultSet rij = db.ExecuteQuery("select rowid,v from t order by rowid desc");
            while (rij.NextRow())
            {
                rijen.push_back(rij.GetInt64(0).GetValue());
                sleutels.voegToe(rij, 1, rijen.back());
            }
            std::vector<long long> gesorteerd;
            for (const uint32_t plaats : sleutels.sorteer(oplopend))
                gesorteerd.push_back(rijen[plaats]);

            std::vector<long long> verwacht;
            wxSQLite3ResultSet sqlite =
                db.ExecuteQuery(wxString("select rowid from t order by v collate ") +
                                (zonderHoofdletters ? "nocase" : "binary") + (oplopend ? " asc" : " desc") + ",rowid");
            while (sqlite.NextRow())
                verwacht.push_back(sqlite.GetInt64(0).GetValue());
            EXPECT_EQ(gesorteerd, verwacht)
                << (zonderHoofdletters ? "nocase " : "binary ") << (oplopend ? "ascending" : "descending");
        }

    // Shares computed in the program sort as reals, with NULL first.
    for (const bool oplopend : {true, false})
    {
        SorteerSleutels aandelen(false);
        aandelen.voegToeGetal(2.5, 4);
        aandelen.voegToeNiets(3);
        aandelen.voegToeGetal(-1.0, 2);
        aandelen.voegToeGetal(2.5, 1);
        EXPECT_EQ(aandelen.sorteer(oplopend),
                  oplopend ? (std::vector<uint32_t>{1, 2, 3, 0}) : (std::vector<uint32_t>{3, 0, 2, 1}));
    }
}
