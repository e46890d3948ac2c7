#include "swexternals/desktop/wx/wxSQLite3/TellendeVFS.h"

#include <algorithm>
#include <atomic>
#include <sqlite3.h>

struct TellendeVFS::Telling
{
    sqlite3_vfs vfs{};
    sqlite3_vfs* onder = nullptr;
    std::string naam;
    std::atomic<size_t> gelezen{0};
    bool geregistreerd = false;
};

namespace
{
std::atomic<unsigned long> volgnummer{0};

// What SQLite holds for a file of this file system: the methods that pass
// on, and the file of the one below after it.
struct Bestand
{
    sqlite3_file basis;
    sqlite3_io_methods methoden;
    TellendeVFS::Telling* telling;
    sqlite3_file* echt;
};

TellendeVFS::Telling& alsTelling(sqlite3_vfs* vfs)
{
    return *static_cast<TellendeVFS::Telling*>(vfs->pAppData);
}

sqlite3_vfs* onder(sqlite3_vfs* vfs)
{
    return alsTelling(vfs).onder;
}

Bestand& alsBestand(sqlite3_file* bestand)
{
    return *reinterpret_cast<Bestand*>(bestand);
}

sqlite3_file* echt(sqlite3_file* bestand)
{
    return alsBestand(bestand).echt;
}

// The file below lies after ours, aligned as SQLite aligns its own.
constexpr size_t eigenGrootte = (sizeof(Bestand) + 7) & ~size_t(7);

int sluit(sqlite3_file* bestand)
{
    return echt(bestand)->pMethods->xClose(echt(bestand));
}

int lees(sqlite3_file* bestand, void* buffer, int aantal, sqlite3_int64 plaats)
{
    const int kode = echt(bestand)->pMethods->xRead(echt(bestand), buffer, aantal, plaats);
    if (kode == SQLITE_OK || kode == SQLITE_IOERR_SHORT_READ)
        alsBestand(bestand).telling->gelezen += static_cast<size_t>(aantal);
    return kode;
}

int schrijf(sqlite3_file* bestand, const void* buffer, int aantal, sqlite3_int64 plaats)
{
    return echt(bestand)->pMethods->xWrite(echt(bestand), buffer, aantal, plaats);
}

int kort(sqlite3_file* bestand, sqlite3_int64 grootte)
{
    return echt(bestand)->pMethods->xTruncate(echt(bestand), grootte);
}

int synchroniseer(sqlite3_file* bestand, int vlaggen)
{
    return echt(bestand)->pMethods->xSync(echt(bestand), vlaggen);
}

int grootte(sqlite3_file* bestand, sqlite3_int64* uit)
{
    return echt(bestand)->pMethods->xFileSize(echt(bestand), uit);
}

int vergrendel(sqlite3_file* bestand, int niveau)
{
    return echt(bestand)->pMethods->xLock(echt(bestand), niveau);
}

int ontgrendel(sqlite3_file* bestand, int niveau)
{
    return echt(bestand)->pMethods->xUnlock(echt(bestand), niveau);
}

int isGereserveerd(sqlite3_file* bestand, int* uit)
{
    return echt(bestand)->pMethods->xCheckReservedLock(echt(bestand), uit);
}

int bestandsOpdracht(sqlite3_file* bestand, int opdracht, void* argument)
{
    return echt(bestand)->pMethods->xFileControl(echt(bestand), opdracht, argument);
}

int sectorGrootte(sqlite3_file* bestand)
{
    return echt(bestand)->pMethods->xSectorSize(echt(bestand));
}

int eigenschappen(sqlite3_file* bestand)
{
    return echt(bestand)->pMethods->xDeviceCharacteristics(echt(bestand));
}

int deelMap(sqlite3_file* bestand, int regio, int grootte_, int uitbreiden, void volatile** uit)
{
    return echt(bestand)->pMethods->xShmMap(echt(bestand), regio, grootte_, uitbreiden, uit);
}

int deelSlot(sqlite3_file* bestand, int vanaf, int aantal, int vlaggen)
{
    return echt(bestand)->pMethods->xShmLock(echt(bestand), vanaf, aantal, vlaggen);
}

void deelBarriere(sqlite3_file* bestand)
{
    echt(bestand)->pMethods->xShmBarrier(echt(bestand));
}

int deelWeg(sqlite3_file* bestand, int verwijderen)
{
    return echt(bestand)->pMethods->xShmUnmap(echt(bestand), verwijderen);
}

// A page read through the mapping of the file counts as read too.
int haal(sqlite3_file* bestand, sqlite3_int64 plaats, int aantal, void** uit)
{
    const int kode = echt(bestand)->pMethods->xFetch(echt(bestand), plaats, aantal, uit);
    if (kode == SQLITE_OK && *uit != nullptr)
        alsBestand(bestand).telling->gelezen += static_cast<size_t>(aantal);
    return kode;
}

int laatGaan(sqlite3_file* bestand, sqlite3_int64 plaats, void* pagina)
{
    return echt(bestand)->pMethods->xUnfetch(echt(bestand), plaats, pagina);
}

// The methods of the file below, at most of the versions known here.
sqlite3_io_methods maakMethoden(const sqlite3_io_methods& onder)
{
    sqlite3_io_methods methoden{};
    methoden.iVersion = std::min(onder.iVersion, 3);
    methoden.xClose = sluit;
    methoden.xRead = lees;
    methoden.xWrite = schrijf;
    methoden.xTruncate = kort;
    methoden.xSync = synchroniseer;
    methoden.xFileSize = grootte;
    methoden.xLock = vergrendel;
    methoden.xUnlock = ontgrendel;
    methoden.xCheckReservedLock = isGereserveerd;
    methoden.xFileControl = bestandsOpdracht;
    methoden.xSectorSize = sectorGrootte;
    methoden.xDeviceCharacteristics = eigenschappen;
    if (methoden.iVersion >= 2)
    {
        methoden.xShmMap = deelMap;
        methoden.xShmLock = deelSlot;
        methoden.xShmBarrier = deelBarriere;
        methoden.xShmUnmap = deelWeg;
    }
    if (methoden.iVersion >= 3)
    {
        methoden.xFetch = haal;
        methoden.xUnfetch = laatGaan;
    }
    return methoden;
}

int openBestand(sqlite3_vfs* vfs, const char* naam, sqlite3_file* bestand, int vlaggen, int* uitVlaggen)
{
    Bestand& eigen = alsBestand(bestand);
    eigen.basis.pMethods = nullptr;
    eigen.telling = &alsTelling(vfs);
    eigen.echt = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(bestand) + eigenGrootte);
    const int kode = onder(vfs)->xOpen(onder(vfs), naam, eigen.echt, vlaggen, uitVlaggen);
    // Without methods the file below is not open, and SQLite closes nothing.
    if (eigen.echt->pMethods != nullptr)
    {
        eigen.methoden = maakMethoden(*eigen.echt->pMethods);
        eigen.basis.pMethods = &eigen.methoden;
    }
    return kode;
}

int verwijder(sqlite3_vfs* vfs, const char* naam, int synchroon)
{
    return onder(vfs)->xDelete(onder(vfs), naam, synchroon);
}

int bestaat(sqlite3_vfs* vfs, const char* naam, int vlaggen, int* uit)
{
    return onder(vfs)->xAccess(onder(vfs), naam, vlaggen, uit);
}

int volledigPad(sqlite3_vfs* vfs, const char* naam, int lengte, char* uit)
{
    return onder(vfs)->xFullPathname(onder(vfs), naam, lengte, uit);
}

void* laadBibliotheek(sqlite3_vfs* vfs, const char* naam)
{
    return onder(vfs)->xDlOpen(onder(vfs), naam);
}

void bibliotheekFout(sqlite3_vfs* vfs, int lengte, char* uit)
{
    onder(vfs)->xDlError(onder(vfs), lengte, uit);
}

void (*bibliotheekSymbool(sqlite3_vfs* vfs, void* bibliotheek, const char* naam))(void)
{
    return onder(vfs)->xDlSym(onder(vfs), bibliotheek, naam);
}

void sluitBibliotheek(sqlite3_vfs* vfs, void* bibliotheek)
{
    onder(vfs)->xDlClose(onder(vfs), bibliotheek);
}

int willekeur(sqlite3_vfs* vfs, int lengte, char* uit)
{
    return onder(vfs)->xRandomness(onder(vfs), lengte, uit);
}

int slaap(sqlite3_vfs* vfs, int microseconden)
{
    return onder(vfs)->xSleep(onder(vfs), microseconden);
}

int tijd(sqlite3_vfs* vfs, double* uit)
{
    return onder(vfs)->xCurrentTime(onder(vfs), uit);
}

int laatsteFout(sqlite3_vfs* vfs, int lengte, char* uit)
{
    return onder(vfs)->xGetLastError ? onder(vfs)->xGetLastError(onder(vfs), lengte, uit) : 0;
}

int tijd64(sqlite3_vfs* vfs, sqlite3_int64* uit)
{
    return onder(vfs)->xCurrentTimeInt64(onder(vfs), uit);
}

int zetSysteemAanroep(sqlite3_vfs* vfs, const char* naam, sqlite3_syscall_ptr aanroep)
{
    return onder(vfs)->xSetSystemCall(onder(vfs), naam, aanroep);
}

sqlite3_syscall_ptr geefSysteemAanroep(sqlite3_vfs* vfs, const char* naam)
{
    return onder(vfs)->xGetSystemCall(onder(vfs), naam);
}

const char* volgendeSysteemAanroep(sqlite3_vfs* vfs, const char* naam)
{
    return onder(vfs)->xNextSystemCall(onder(vfs), naam);
}
} // namespace

TellendeVFS::TellendeVFS() : telling(std::make_unique<Telling>())
{
    sqlite3_vfs* standaard = sqlite3_vfs_find(nullptr);
    if (standaard == nullptr)
        return;
    Telling& t = *telling;
    t.onder = standaard;
    t.naam = "vereltamso-telling-" + std::to_string(++volgnummer);
    sqlite3_vfs& vfs = t.vfs;
    vfs.iVersion = std::min(standaard->iVersion, 3);
    vfs.szOsFile = static_cast<int>(eigenGrootte) + standaard->szOsFile;
    vfs.mxPathname = standaard->mxPathname;
    vfs.zName = t.naam.c_str();
    vfs.pAppData = &t;
    vfs.xOpen = openBestand;
    vfs.xDelete = verwijder;
    vfs.xAccess = bestaat;
    vfs.xFullPathname = volledigPad;
    vfs.xDlOpen = laadBibliotheek;
    vfs.xDlError = bibliotheekFout;
    vfs.xDlSym = bibliotheekSymbool;
    vfs.xDlClose = sluitBibliotheek;
    vfs.xRandomness = willekeur;
    vfs.xSleep = slaap;
    vfs.xCurrentTime = tijd;
    vfs.xGetLastError = laatsteFout;
    if (vfs.iVersion >= 2)
        vfs.xCurrentTimeInt64 = tijd64;
    if (vfs.iVersion >= 3)
    {
        vfs.xSetSystemCall = zetSysteemAanroep;
        vfs.xGetSystemCall = geefSysteemAanroep;
        vfs.xNextSystemCall = volgendeSysteemAanroep;
    }
    t.geregistreerd = sqlite3_vfs_register(&vfs, 0) == SQLITE_OK;
    if (!t.geregistreerd)
        t.naam.clear();
}

TellendeVFS::~TellendeVFS()
{
    if (telling->geregistreerd)
        sqlite3_vfs_unregister(&telling->vfs);
}

const std::string& TellendeVFS::geefNaam() const
{
    return telling->naam;
}

size_t TellendeVFS::geefGelezen() const
{
    return telling->gelezen;
}
