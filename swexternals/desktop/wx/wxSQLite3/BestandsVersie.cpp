#include "swexternals/desktop/wx/wxSQLite3/BestandsVersie.h"

#include <cstdint>
#include <cstring>
#include <sqlite3.h>

namespace
{
// Where the database file's header keeps its file format's versions (2 in
// WAL mode) and its change counter.
const int formaatPlaats = 18;
const int tellerPlaats = 24;
// SQLite keeps the header of the log's index twice at the start of the
// shared memory and writes the second copy first: two equal copies are
// one whole header.
const size_t logKopGrootte = 48;
const int indexRegio = 32768;
// What the header says of the log itself: its length in frames (at 16)
// and, from 32 on, its salts and the header's own checksum. The first write
// after a checkpoint of the whole log begins the log again and rewrites
// them without a commit: this connection's own, while it holds the write
// lock, and they stay so when SQLite takes its transaction back. They are
// left out of the comparison: every commit moves the commit counter and the
// checksum of its last frame, which a new beginning leaves as they were, and
// an index rebuilt after another program's commit holds that commit's frame
// checksum.
const size_t logLengtePlaats = 16;
const size_t logZoutPlaats = 32;
// The count of commits in the log index's header, in the machine's own
// order; the change counter of the file's header, from its first byte on,
// in big-endian order.
const size_t logTellerPlaats = 8;

uint32_t leesTeller(const std::array<unsigned char, 48>& kop, bool wal)
{
    if (wal)
    {
        uint32_t teller = 0;
        std::memcpy(&teller, kop.data() + logTellerPlaats, sizeof teller);
        return teller;
    }
    return static_cast<uint32_t>(kop[0]) << 24 | static_cast<uint32_t>(kop[1]) << 16 |
           static_cast<uint32_t>(kop[2]) << 8 | static_cast<uint32_t>(kop[3]);
}

// The first bytes of a log that holds something, in either order of its
// checksums.
const uint32_t logMagie = 0x377f0682;

// Only where the connection has its log open is the index mapped: the index
// of a file read as it lies on the disk would be made anew. The file of the
// connection's journal is its log in WAL mode; while it leaves WAL mode, the
// header still says so, and the journal that the switch writes is another.
bool isLogOpen(sqlite3* db)
{
    sqlite3_file* log = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_JOURNAL_POINTER, &log) != SQLITE_OK || log == nullptr ||
        log->pMethods == nullptr)
        return false;
    // A log that holds nothing yet reads short.
    unsigned char begin[4] = {};
    const int gelezen = log->pMethods->xRead(log, begin, sizeof begin, 0);
    if (gelezen == SQLITE_IOERR_SHORT_READ)
        return true;
    if (gelezen != SQLITE_OK)
        return false;
    const uint32_t magie = static_cast<uint32_t>(begin[0]) << 24 | static_cast<uint32_t>(begin[1]) << 16 |
                           static_cast<uint32_t>(begin[2]) << 8 | static_cast<uint32_t>(begin[3]);
    return (magie & ~uint32_t(1)) == logMagie;
}

bool leesLogKop(sqlite3_file* bestand, unsigned char* kop)
{
    const sqlite3_io_methods* methoden = bestand->pMethods;
    void volatile* gedeeld = nullptr;
    if (methoden->iVersion < 2 || methoden->xShmMap == nullptr ||
        methoden->xShmMap(bestand, 0, indexRegio, 0, &gedeeld) != SQLITE_OK || gedeeld == nullptr)
        return false;
    const auto* bytes = static_cast<const volatile unsigned char*>(gedeeld);
    unsigned char tweede[logKopGrootte];
    for (size_t i = 0; i < logKopGrootte; ++i)
        kop[i] = bytes[i];
    methoden->xShmBarrier(bestand);
    for (size_t i = 0; i < logKopGrootte; ++i)
        tweede[i] = bytes[logKopGrootte + i];
    if (std::memcmp(kop, tweede, logKopGrootte) != 0)
        return false;
    std::memset(kop + logLengtePlaats, 0, 4);
    std::memset(kop + logZoutPlaats, 0, logKopGrootte - logZoutPlaats);
    return true;
}
} // namespace

BestandsVersie BestandsVersie::lees(sqlite3* db)
{
    BestandsVersie versie;
    sqlite3_file* bestand = nullptr;
    if (db == nullptr || sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &bestand) != SQLITE_OK ||
        bestand == nullptr)
        return versie;
    if (bestand->pMethods == nullptr)
    {
        versie.bekend = true;
        return versie;
    }
    // A file shorter than its header has nothing committed: SQLite gives
    // the missing bytes as zeros.
    unsigned char bestandsKop[tellerPlaats + 4] = {};
    const int gelezen = bestand->pMethods->xRead(bestand, bestandsKop, sizeof bestandsKop, 0);
    if (gelezen != SQLITE_OK && gelezen != SQLITE_IOERR_SHORT_READ)
        return versie;
    versie.wal = bestandsKop[formaatPlaats] == 2;
    if (versie.wal)
        versie.bekend = isLogOpen(db) && leesLogKop(bestand, versie.kop.data());
    else
    {
        std::memcpy(versie.kop.data(), bestandsKop + tellerPlaats, 4);
        versie.bekend = true;
    }
    return versie;
}

bool BestandsVersie::operator==(const BestandsVersie& ander) const
{
    return bekend && ander.bekend && wal == ander.wal && kop == ander.kop;
}

bool BestandsVersie::isEenCommitNa(const BestandsVersie& vorige) const
{
    return bekend && vorige.bekend && wal == vorige.wal &&
           leesTeller(kop, wal) == static_cast<uint32_t>(leesTeller(vorige.kop, wal) + 1);
}
