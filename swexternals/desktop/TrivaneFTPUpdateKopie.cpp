#include "swexternals/desktop/TrivaneFTPUpdateKopie.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
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
// A copy's hidden file ends in a dot, six letters or digits that mkostemps
// chooses, and this ending: its own, for sync tools and editors name their
// temporary files ".<name>.XXXXXX", and the clean-up must never take a file
// of theirs for a copy's. No object with a destructor: the clean-up may
// still run while the program ends.
constexpr char kopieEinde[] = ".kopie";
constexpr std::size_t kopieEindeLengte = sizeof(kopieEinde) - 1;
constexpr std::size_t willekeurigeLengte = 6;

// Set by SIGTERM while a copy runs: all that a signal handler may do.
std::atomic<bool> beeindigd{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only set a lock-free flag");

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

bool isLetterOfCijfer(char teken)
{
    return (teken >= '0' && teken <= '9') || (teken >= 'a' && teken <= 'z') || (teken >= 'A' && teken <= 'Z');
}

// ".<package>.XXXXXX.kopie", as a copy names its hidden file.
bool isTijdelijkeNaam(const std::string& naam)
{
    const std::size_t staart = 1 + willekeurigeLengte + kopieEindeLengte;
    if (naam.size() <= staart + 1 || naam.front() != '.' || naam[naam.size() - staart] != '.' ||
        naam.compare(naam.size() - kopieEindeLengte, kopieEindeLengte, kopieEinde) != 0)
        return false;
    const auto willekeurig = naam.end() - static_cast<std::ptrdiff_t>(staart - 1);
    return std::all_of(willekeurig, willekeurig + willekeurigeLengte, isLetterOfCijfer);
}

// The hidden file of a copy into `map`, locked while the copy writes it, so
// that the clean-up of another run leaves it alone; -1 with errno set when
// it cannot be made. One such clean-up may come between the making and the
// lock: then it is made anew.
int maakTijdelijk(const std::string& map, const std::string& naam, std::string& tijdelijk)
{
    for (int poging = 1;; ++poging)
    {
        tijdelijk = map + "/." + naam + ".XXXXXX" + kopieEinde;
        const int uitvoer = mkostemps(tijdelijk.data(), kopieEindeLengte, O_CLOEXEC);
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

// A hidden copy left behind: only a file of this user, no link or anything
// else, and none that a copy holds now. A file of more names than this one
// is no copy's rest, whatever this name: a user's file linked under it.
bool verwijderRest(const std::string& pad)
{
    struct stat gezien
    {
    };
    if (lstat(pad.c_str(), &gezien) != 0 || !S_ISREG(gezien.st_mode) || gezien.st_uid != geteuid() ||
        gezien.st_nlink != 1)
        return false;
    const int rest = open(pad.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (rest < 0)
        return false;
    struct stat geopend
    {
    };
    const bool weg = fstat(rest, &geopend) == 0 && geopend.st_dev == gezien.st_dev && geopend.st_ino == gezien.st_ino &&
                     geopend.st_nlink == 1 && flock(rest, LOCK_EX | LOCK_NB) == 0 && unlink(pad.c_str()) == 0;
    close(rest);
    return weg;
}

// Renames without replacing what is there; where the disk cannot do that
// in one step, a second name is made and the first removed.
bool hernoemZonderVervangen(const std::string& van, const std::string& naar)
{
    if (renameat2(AT_FDCWD, van.c_str(), AT_FDCWD, naar.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (link(van.c_str(), naar.c_str()) != 0)
        return false;
    unlink(van.c_str());
    return true;
}

// Gives the file `van` the name `naam` in `map`; without `vervang` a file
// of that name stays and the next free number is taken. True with `doel`
// set, else false with the error number in `fout`.
bool geefKopiePlaats(const std::string& van, const std::string& map, const std::string& naam, bool vervang,
                     std::string& doel, int& fout)
{
    if (vervang)
    {
        doel = map + "/" + naam;
        if (std::rename(van.c_str(), doel.c_str()) == 0)
            return true;
        fout = errno;
        doel.clear();
        return false;
    }
    for (int nummer = 1; nummer <= maxKopieNummer; ++nummer)
    {
        doel = map + "/" + geefNaamMetNummer(naam, nummer);
        if (hernoemZonderVervangen(van, doel))
            return true;
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
        pogingen.push_back({alsKopiePad(map), std::string(), 0});
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
    const std::string van = alsKopiePad(bron);
    std::string doel;
    int fout = 0;
    return geefKopiePlaats(van, alsKopiePad(map), geefBestandsNaam(van), false, doel, fout) ? alsKopieTekst(doel)
                                                                                            : wxString();
}

int TrivaneFTPUpdateKopie::ruimOp(const std::vector<std::string>& mappen)
{
    int verwijderd = 0;
    for (const std::string& map : mappen)
    {
        std::error_code fout;
        std::vector<std::filesystem::path> resten;
        for (std::filesystem::directory_iterator deel(map, fout), einde; !fout && deel != einde; deel.increment(fout))
            if (isTijdelijkeNaam(deel->path().filename().string()))
                resten.push_back(deel->path());
        for (const std::filesystem::path& rest : resten)
            if (verwijderRest(rest.string()))
                ++verwijderd;
    }
    return verwijderd;
}

void TrivaneFTPUpdateKopie::kopieer()
{
    for (Poging& poging : pogingen)
        if (isGestopt() || kopieerNaar(poging))
            break;
    if (ontvanger)
        wxQueueEvent(ontvanger, new wxThreadEvent(EVT_TRIVANE_FTP_KOPIE));
}

bool TrivaneFTPUpdateKopie::kopieerNaar(Poging& poging)
{
    const int invoer = open(bron.c_str(), O_RDONLY | O_CLOEXEC);
    if (invoer < 0)
    {
        poging.fout = errno;
        return false;
    }
    // Hidden, with a name nobody else can have taken, open to this user only
    // while it is written.
    std::string tijdelijk;
    const int uitvoer = maakTijdelijk(poging.map, geefBestandsNaam(bron), tijdelijk);
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
        gelukt = geefKopiePlaats(tijdelijk, poging.map, geefBestandsNaam(bron), vervang, poging.doel, poging.fout);
    // Closed only once it has its name: until then its lock keeps the
    // clean-up of another run off it.
    if (close(uitvoer) != 0 && gelukt)
    {
        poging.fout = errno;
        unlink(poging.doel.c_str());
        poging.doel.clear();
        gelukt = false;
    }
    if (!gelukt)
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
