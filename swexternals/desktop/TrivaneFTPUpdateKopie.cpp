#include "swexternals/desktop/TrivaneFTPUpdateKopie.h"

#include "swexternals/desktop/TrivaneFTPUpdateHernoeming.h"
#include "swexternals/desktop/TrivaneFTPUpdateRest.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <wx/strconv.h>

wxDEFINE_EVENT(EVT_TRIVANE_FTP_KOPIE, wxThreadEvent);

namespace
{
// A piece at a time, so that a stop is heard soon.
const std::size_t kopieStuk = 1024 * 1024;
// As many files of the package's name as a user may keep.
const int maxKopieNummer = 99;
const int maxNaamPogingen = 100;
constexpr char kopieTekens[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Set by SIGTERM while a copy runs: all that a signal handler may do.
std::atomic<bool> beeindigd{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only set a lock-free flag");

// Tests take the way of a disk that cannot hold a file without a name.
std::atomic<bool> naamloosToegestaan{true};

void bijBeeindiging(int)
{
    beeindigd = true;
}

std::string alsKopiePad(const wxString& pad)
{
    return std::string(pad.fn_str());
}

wxString alsKopieTekst(const std::string& pad)
{
    return wxString(pad.c_str(), *wxConvFileName);
}

// As the toolkit takes a folder to be there: whatever cannot be looked at
// is not.
bool isMap(const std::string& pad)
{
    struct stat status
    {
    };
    return stat(pad.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string geefBestandsNaam(const std::string& pad)
{
    return pad.substr(pad.rfind('/') + 1);
}

// "name.deb", "name-2.deb", "name-3.deb", ...
std::string geefNaamMetNummer(const std::string& naam, int nummer)
{
    if (nummer < 2)
        return naam;
    const std::size_t punt = naam.rfind('.');
    const std::size_t einde = punt == std::string::npos || punt == 0 ? naam.size() : punt;
    return naam.substr(0, einde) + "-" + std::to_string(nummer) + naam.substr(einde);
}

// A downloaded file's mode: read and write for everyone, less the user's
// umask. Read, not set and set back: the other threads would meanwhile make
// their files without it. A kernel that does not tell gets the usual one.
mode_t geefDownloadRechten()
{
    std::ifstream status("/proc/self/status");
    for (std::string regel; std::getline(status, regel);)
        if (regel.rfind("Umask:", 0) == 0)
            return 0666 & ~static_cast<mode_t>(std::strtoul(regel.c_str() + 6, nullptr, 8));
    return 0644;
}

// A file in `map` that has no name until it is whole, so that nothing is
// left of it whatever ends the program meanwhile; -1 with errno set where
// the disk cannot make one (or the names of open files cannot be reached to
// give it one), and `kanNiet` set then.
int maakNaamloos(const std::string& map, bool& kanNiet)
{
    kanNiet = !naamloosToegestaan || access("/proc/self/fd", X_OK) != 0;
    if (kanNiet)
        return -1;
    const int uitvoer = open(map.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    // What a disk or a kernel without such files says.
    kanNiet = uitvoer < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL || errno == ENOTSUP);
    return uitvoer;
}

// The hidden file of a copy into `map`, where the disk cannot give a file
// without a name, locked while the copy writes it, so that the clean-up of
// another run leaves it alone; -1 with errno set when it cannot be made.
// One such clean-up may come between the making and the lock: then it is
// made anew.
int maakTijdelijk(const std::string& map, const std::string& naam, std::string& tijdelijk)
{
    for (int poging = 1;; ++poging)
    {
        tijdelijk = map + "/" + TrivaneFTPUpdateRest::maakSjabloon(naam);
        const int uitvoer = mkostemps(tijdelijk.data(), TrivaneFTPUpdateRest::sjabloonEindeLengte, O_CLOEXEC);
        if (uitvoer < 0)
            return -1;
        struct stat status
        {
        };
        // A disk without locks is written all the same.
        if (flock(uitvoer, LOCK_EX) != 0 || fstat(uitvoer, &status) != 0 || status.st_nlink > 0 || poging == 3)
            return uitvoer;
        close(uitvoer);
    }
}

// Gives the open file `bestand` the name `pad`, never over another.
bool geefNaam(int bestand, const std::string& pad)
{
    const std::string open = "/proc/self/fd/" + std::to_string(bestand);
    return linkat(AT_FDCWD, open.c_str(), AT_FDCWD, pad.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// A hidden name in `map` for the whole copy of `naam` on its way over a file
// of that name: as a copy's rest is named, so that the clean-up takes it
// should the program end before it is renamed.
bool geefVerborgenNaam(int bestand, const std::string& map, const std::string& naam, std::string& verborgen)
{
    for (int poging = 0; poging < maxNaamPogingen; ++poging)
    {
        verborgen = map + "/" + TrivaneFTPUpdateRest::maakSjabloon(naam);
        unsigned char willekeurig[6];
        if (getrandom(willekeurig, sizeof(willekeurig), 0) != static_cast<ssize_t>(sizeof(willekeurig)))
            return false;
        const std::size_t begin = verborgen.size() - TrivaneFTPUpdateRest::sjabloonEindeLengte - sizeof(willekeurig);
        for (std::size_t i = 0; i < sizeof(willekeurig); ++i)
            verborgen[begin + i] = kopieTekens[willekeurig[i] % (sizeof(kopieTekens) - 1)];
        if (geefNaam(bestand, verborgen))
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Gives the whole copy, open as `bestand` under the name `tijdelijk` (empty:
// none yet), the name `naam` in `map`; without `vervang` a file of that
// name stays and the next free number is taken. True with `doel` set, and
// `tijdelijk` emptied once it is gone; else false with the error number in
// `fout`.
bool geefKopiePlaats(int bestand, std::string& tijdelijk, const std::string& map, const std::string& naam, bool vervang,
                     std::string& doel, int& fout)
{
    if (vervang)
    {
        // A name is replaced in one step, by a file that has one: until
        // then the name is the old file's, and never part of the new one's.
        if (tijdelijk.empty() && !geefVerborgenNaam(bestand, map, naam, tijdelijk))
        {
            fout = errno;
            tijdelijk.clear();
            return false;
        }
        doel = map + "/" + naam;
        if (std::rename(tijdelijk.c_str(), doel.c_str()) == 0)
        {
            tijdelijk.clear();
            return true;
        }
        fout = errno;
        doel.clear();
        return false;
    }
    for (int nummer = 1; nummer <= maxKopieNummer; ++nummer)
    {
        doel = map + "/" + geefNaamMetNummer(naam, nummer);
        if (tijdelijk.empty() ? geefNaam(bestand, doel)
                              : TrivaneFTPUpdateHernoeming::hernoemZonderVervangen(AT_FDCWD, tijdelijk.c_str(),
                                                                                   AT_FDCWD, doel.c_str()))
        {
            tijdelijk.clear();
            return true;
        }
        fout = errno;
        if (fout != EEXIST)
            break;
    }
    doel.clear();
    return false;
}
} // namespace

TrivaneFTPUpdateKopie::TrivaneFTPUpdateKopie(const wxString& bron, const std::vector<wxString>& mappen, bool vervang,
                                             wxEvtHandler* ontvanger)
    : bron(alsKopiePad(bron)), vervang(vervang), ontvanger(ontvanger)
{
    for (const wxString& map : mappen)
        pogingen.push_back({alsKopiePad(map), std::string(), 0, false});
    start();
}

TrivaneFTPUpdateKopie::TrivaneFTPUpdateKopie(const wxString& bron, const DesktopGebruikersMappen& gebruikersMappen,
                                             wxEvtHandler* ontvanger)
    : bron(alsKopiePad(bron)), gebruikersMappen(gebruikersMappen), vervang(false), ontvanger(ontvanger)
{
    start();
}

void TrivaneFTPUpdateKopie::start()
{
    // The session's end (SIGTERM) would otherwise kill the program in the
    // middle of the copy, and leave the part written.
    beeindigd = false;
    struct sigaction actie
    {
    };
    actie.sa_handler = bijBeeindiging;
    sigemptyset(&actie.sa_mask);
    actie.sa_flags = SA_RESTART;
    beeindigingOmgeleid = sigaction(SIGTERM, &actie, &vorigeBeeindiging) == 0;
    try
    {
        draad = std::thread(&TrivaneFTPUpdateKopie::kopieer, this);
    }
    catch (const std::system_error&)
    {
        // No thread to spare: better a window that waits than no copy.
        kopieer();
    }
}

TrivaneFTPUpdateKopie::~TrivaneFTPUpdateKopie()
{
    stop();
    if (draad.joinable())
        draad.join();
    herstelBeeindiging();
}

void TrivaneFTPUpdateKopie::stop()
{
    gestopt = true;
}

bool TrivaneFTPUpdateKopie::isGestopt() const
{
    return gestopt || beeindigd;
}

void TrivaneFTPUpdateKopie::herstelBeeindiging()
{
    if (beeindigingOmgeleid)
        static_cast<void>(sigaction(SIGTERM, &vorigeBeeindiging, nullptr));
    beeindigingOmgeleid = false;
}

TrivaneFTPUpdateKopie::Uitkomst TrivaneFTPUpdateKopie::wacht()
{
    if (draad.joinable())
        draad.join();
    // A SIGTERM from now on is the program's own again; one before is told.
    herstelBeeindiging();
    Uitkomst uitkomst;
    uitkomst.beeindigd = beeindigd;
    for (const Poging& poging : pogingen)
    {
        if (!poging.doel.empty())
        {
            uitkomst.doel = alsKopieTekst(poging.doel);
            break;
        }
        if (poging.fout != 0)
            uitkomst.fouten.push_back({alsKopieTekst(poging.map), poging.fout});
    }
    return uitkomst;
}

wxString TrivaneFTPUpdateKopie::verplaats(const wxString& bron, const wxString& map)
{
    std::string van = alsKopiePad(bron);
    const std::string naam = geefBestandsNaam(van);
    std::string doel;
    int fout = 0;
    return geefKopiePlaats(-1, van, alsKopiePad(map), naam, false, doel, fout) ? alsKopieTekst(doel) : wxString();
}

int TrivaneFTPUpdateKopie::ruimOp(const std::vector<std::string>& mappen)
{
    return TrivaneFTPUpdateRest().ruimOp(mappen);
}

bool TrivaneFTPUpdateKopie::zetNaamloosToegestaan(bool toegestaan)
{
    return naamloosToegestaan.exchange(toegestaan);
}

void TrivaneFTPUpdateKopie::kopieer()
{
    if (gebruikersMappen)
        for (const std::string& map : gebruikersMappen->geefMappen())
            pogingen.push_back({map, std::string(), 0, true});
    for (Poging& poging : pogingen)
        if (isGestopt() || kopieerNaar(poging))
            break;
    if (ontvanger)
        wxQueueEvent(ontvanger, new wxThreadEvent(EVT_TRIVANE_FTP_KOPIE));
}

bool TrivaneFTPUpdateKopie::kopieerNaar(Poging& poging)
{
    if (poging.alleenAlsErIs && !isMap(poging.map))
        return false;
    const int invoer = open(bron.c_str(), O_RDONLY | O_CLOEXEC);
    if (invoer < 0)
    {
        poging.fout = errno;
        return false;
    }
    // Without a name, else hidden under a name nobody else can have taken;
    // open to this user only while it is written.
    std::string tijdelijk;
    bool kanNiet = false;
    int uitvoer = maakNaamloos(poging.map, kanNiet);
    if (kanNiet)
        uitvoer = maakTijdelijk(poging.map, geefBestandsNaam(bron), tijdelijk);
    // Its hidden name on its way over another file is held as the other's.
    else if (uitvoer >= 0)
        static_cast<void>(flock(uitvoer, LOCK_EX));
    if (uitvoer < 0)
    {
        poging.fout = errno;
        close(invoer);
        return false;
    }
    bool gelukt = schrijfAlles(invoer, uitvoer, poging.fout);
    close(invoer);
    // As the user's downloads are, not as the package was left for the
    // installer: executable, and for its owner only.
    if (gelukt)
        static_cast<void>(fchmod(uitvoer, geefDownloadRechten()));
    // On disk before it has its name: a crash never leaves an empty package.
    if (gelukt && fsync(uitvoer) != 0)
    {
        poging.fout = errno;
        gelukt = false;
    }
    if (gelukt && isGestopt())
    {
        poging.fout = ECANCELED;
        gelukt = false;
    }
    if (gelukt)
        gelukt =
            geefKopiePlaats(uitvoer, tijdelijk, poging.map, geefBestandsNaam(bron), vervang, poging.doel, poging.fout);
    // Closed only once it has its name: until then its lock keeps the
    // clean-up of another run off a hidden name.
    if (close(uitvoer) != 0 && gelukt)
    {
        poging.fout = errno;
        unlink(poging.doel.c_str());
        poging.doel.clear();
        gelukt = false;
    }
    if (!gelukt && !tijdelijk.empty())
        unlink(tijdelijk.c_str());
    return gelukt;
}

bool TrivaneFTPUpdateKopie::schrijfAlles(int invoer, int uitvoer, int& fout)
{
    std::vector<char> stuk(kopieStuk);
    for (;;)
    {
        if (isGestopt())
        {
            fout = ECANCELED;
            return false;
        }
        const ssize_t gelezen = read(invoer, stuk.data(), stuk.size());
        if (gelezen < 0 && errno == EINTR)
            continue;
        if (gelezen < 0)
        {
            fout = errno;
            return false;
        }
        if (gelezen == 0)
            return true;
        for (ssize_t geschreven = 0; geschreven < gelezen;)
        {
            const ssize_t deel =
                write(uitvoer, stuk.data() + geschreven, static_cast<std::size_t>(gelezen - geschreven));
            if (deel < 0 && errno == EINTR)
                continue;
            if (deel <= 0)
            {
                fout = deel < 0 ? errno : ENOSPC;
                return false;
            }
            geschreven += deel;
        }
    }
}
