#include "tests/ondersteuning/VolleSchijfVFS.h"

#include <algorithm>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/stat.h>
#include <utility>

namespace
{
sqlite3_vfs* echteVFS = nullptr;
sqlite3_vfs schijfVFS;
// Negative: no limit.
long long ruimte = -1;
bool volGeweest = false;
std::function<void()> voorSync;
std::function<void()> voorLezen;

// The file as SQLite sees it, with the default VFS's own file after it.
struct SchijfBestand
{
    sqlite3_file basis;
    sqlite3_file* echt;
};

sqlite3_file* echt(sqlite3_file* bestand)
{
    return reinterpret_cast<SchijfBestand*>(bestand)->echt;
}

int sluit(sqlite3_file* bestand)
{
    return echt(bestand)->pMethods->xClose(echt(bestand));
}

int lees(sqlite3_file* bestand, void* buffer, int aantal, sqlite3_int64 plaats)
{
    if (voorLezen)
        voorLezen();
    return echt(bestand)->pMethods->xRead(echt(bestand), buffer, aantal, plaats);
}

// Only what grows a file takes room: a full disk still lets a file's own
// blocks be written again, as a rollback journal puts pages back.
int schrijf(sqlite3_file* bestand, const void* buffer, int aantal, sqlite3_int64 plaats)
{
    sqlite3_int64 grootte = 0;
    if (ruimte >= 0 && echt(bestand)->pMethods->xFileSize(echt(bestand), &grootte) == SQLITE_OK)
    {
        const sqlite3_int64 groei = std::max<sqlite3_int64>(0, plaats + aantal - grootte);
        if (groei > ruimte)
        {
            volGeweest = true;
            return SQLITE_FULL;
        }
        ruimte -= groei;
    }
    return echt(bestand)->pMethods->xWrite(echt(bestand), buffer, aantal, plaats);
}

// What a file gives up is room again, as a rollback journal's truncated
// file and deleted journal give it back.
void geefTerug(sqlite3_int64 bytes)
{
    if (ruimte >= 0 && bytes > 0)
        ruimte += bytes;
}

int kort(sqlite3_file* bestand, sqlite3_int64 grootte)
{
    sqlite3_int64 was = 0;
    const bool bekend = echt(bestand)->pMethods->xFileSize(echt(bestand), &was) == SQLITE_OK;
    const int resultaat = echt(bestand)->pMethods->xTruncate(echt(bestand), grootte);
    if (bekend && resultaat == SQLITE_OK)
        geefTerug(was - grootte);
    return resultaat;
}

int synchroniseer(sqlite3_file* bestand, int vlaggen)
{
    if (voorSync)
        voorSync();
    return echt(bestand)->pMethods->xSync(echt(bestand), vlaggen);
}

int grootte(sqlite3_file* bestand, sqlite3_int64* uit)
{
    return echt(bestand)->pMethods->xFileSize(echt(bestand), uit);
}

int vergrendel(sqlite3_file* bestand, int soort)
{
    return echt(bestand)->pMethods->xLock(echt(bestand), soort);
}

int ontgrendel(sqlite3_file* bestand, int soort)
{
    return echt(bestand)->pMethods->xUnlock(echt(bestand), soort);
}

int isGereserveerd(sqlite3_file* bestand, int* uit)
{
    return echt(bestand)->pMethods->xCheckReservedLock(echt(bestand), uit);
}

int bestuur(sqlite3_file* bestand, int opdracht, void* argument)
{
    return echt(bestand)->pMethods->xFileControl(echt(bestand), opdracht, argument);
}

int sectorGrootte(sqlite3_file* bestand)
{
    return echt(bestand)->pMethods->xSectorSize(echt(bestand));
}

int kenmerken(sqlite3_file* bestand)
{
    return echt(bestand)->pMethods->xDeviceCharacteristics(echt(bestand));
}

int deelKaart(sqlite3_file* bestand, int pagina, int paginaGrootte, int uitbreiden, void volatile** kaart)
{
    return echt(bestand)->pMethods->xShmMap(echt(bestand), pagina, paginaGrootte, uitbreiden, kaart);
}

int deelSlot(sqlite3_file* bestand, int plaats, int aantal, int vlaggen)
{
    return echt(bestand)->pMethods->xShmLock(echt(bestand), plaats, aantal, vlaggen);
}

void deelBarriere(sqlite3_file* bestand)
{
    echt(bestand)->pMethods->xShmBarrier(echt(bestand));
}

int deelLos(sqlite3_file* bestand, int verwijder)
{
    return echt(bestand)->pMethods->xShmUnmap(echt(bestand), verwijder);
}

int haal(sqlite3_file* bestand, sqlite3_int64 plaats, int aantal, void** uit)
{
    return echt(bestand)->pMethods->xFetch(echt(bestand), plaats, aantal, uit);
}

int laatLos(sqlite3_file* bestand, sqlite3_int64 plaats, void* pagina)
{
    return echt(bestand)->pMethods->xUnfetch(echt(bestand), plaats, pagina);
}

// One table for each version a file of the default VFS may have: SQLite
// asks the version whether it may use the shared memory and the mapping.
sqlite3_io_methods maakMethoden(int versie)
{
    sqlite3_io_methods m = {};
    m.iVersion = versie;
    m.xClose = sluit;
    m.xRead = lees;
    m.xWrite = schrijf;
    m.xTruncate = kort;
    m.xSync = synchroniseer;
    m.xFileSize = grootte;
    m.xLock = vergrendel;
    m.xUnlock = ontgrendel;
    m.xCheckReservedLock = isGereserveerd;
    m.xFileControl = bestuur;
    m.xSectorSize = sectorGrootte;
    m.xDeviceCharacteristics = kenmerken;
    if (versie >= 2)
    {
        m.xShmMap = deelKaart;
        m.xShmLock = deelSlot;
        m.xShmBarrier = deelBarriere;
        m.xShmUnmap = deelLos;
    }
    if (versie >= 3)
    {
        m.xFetch = haal;
        m.xUnfetch = laatLos;
    }
    return m;
}

const sqlite3_io_methods methoden[3] = {maakMethoden(1), maakMethoden(2), maakMethoden(3)};

int verwijder(sqlite3_vfs*, const char* naam, int synchroon)
{
    struct stat info;
    const sqlite3_int64 grootte = stat(naam, &info) == 0 ? info.st_size : 0;
    const int resultaat = echteVFS->xDelete(echteVFS, naam, synchroon);
    if (resultaat == SQLITE_OK)
        geefTerug(grootte);
    return resultaat;
}

int open(sqlite3_vfs*, const char* naam, sqlite3_file* bestand, int vlaggen, int* uitVlaggen)
{
    auto* schijfBestand = reinterpret_cast<SchijfBestand*>(bestand);
    schijfBestand->echt = reinterpret_cast<sqlite3_file*>(schijfBestand + 1);
    schijfBestand->basis.pMethods = nullptr;
    const int resultaat = echteVFS->xOpen(echteVFS, naam, schijfBestand->echt, vlaggen, uitVlaggen);
    // A file that did not open is closed by nobody.
    const sqlite3_io_methods* eigen = schijfBestand->echt->pMethods;
    if (eigen != nullptr)
        schijfBestand->basis.pMethods = &methoden[eigen->iVersion < 1   ? 0
                                                  : eigen->iVersion > 3 ? 2
                                                                        : eigen->iVersion - 1];
    return resultaat;
}
} // namespace

VolleSchijfVFS::VolleSchijfVFS()
{
    if (echteVFS != nullptr)
        throw std::logic_error("one full disk at a time");
    echteVFS = sqlite3_vfs_find(nullptr);
    // Everything but the files the default VFS does itself.
    schijfVFS = *echteVFS;
    schijfVFS.iVersion = echteVFS->iVersion;
    schijfVFS.szOsFile = static_cast<int>(sizeof(SchijfBestand)) + echteVFS->szOsFile;
    schijfVFS.zName = "vt-volle-schijf";
    schijfVFS.pNext = nullptr;
    schijfVFS.xOpen = open;
    schijfVFS.xDelete = verwijder;
    ruimte = -1;
    volGeweest = false;
    sqlite3_vfs_register(&schijfVFS, 1);
}

VolleSchijfVFS::~VolleSchijfVFS()
{
    sqlite3_vfs_unregister(&schijfVFS);
    echteVFS = nullptr;
    ruimte = -1;
    voorSync = nullptr;
    voorLezen = nullptr;
}

void VolleSchijfVFS::beperk(long long bytes)
{
    ruimte = bytes;
    volGeweest = false;
}

void VolleSchijfVFS::hefOp()
{
    ruimte = -1;
}

bool VolleSchijfVFS::isVolGeweest() const
{
    return volGeweest;
}

void VolleSchijfVFS::zetVoorSync(std::function<void()> wacht)
{
    voorSync = std::move(wacht);
}

void VolleSchijfVFS::zetVoorLezen(std::function<void()> wacht)
{
    voorLezen = std::move(wacht);
}
