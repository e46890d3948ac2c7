#include "swexternals/desktop/TrivaneFTPUpdateRest.h"

#include "swexternals/desktop/TrivaneFTPUpdateDraad.h"
#include "swexternals/desktop/TrivaneFTPUpdateHernoeming.h"

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace
{
// A copy's hidden file ends in a dot, the six letters or digits mkostemps
// chooses, and this ending: its own, for sync tools and editors name their
// temporary files ".<name>.XXXXXX".
constexpr char restEinde[] = ".kopie";
static_assert(TrivaneFTPUpdateRest::sjabloonEindeLengte == sizeof(restEinde) - 1, "mkostemps is told the ending");
constexpr std::size_t restWillekeurigeLengte = 6;
constexpr char naamTekens[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
// As many rests as one folder gives in one round; more wait for the next
// check. Their names are kept on the stack: the clean-up takes no memory.
constexpr int maxResten = 32;
// The clean-up's own name for a rest is the rest's with a dot and six
// characters after it: outside the pattern of a rest, so that no clean-up
// ever takes what lies under it.
constexpr std::size_t eigenNaamStaart = 1 + restWillekeurigeLengte;

// What a FUSE disk whose server does not give its files' numbers in its
// listings (sshfs) names every entry: such a listing cannot be compared.
constexpr ino_t onbekendNummer = 0xffffffff;

std::function<void(TrivaneFTPUpdateRest::Stap, const char*)> opruimHaak;

void haak(TrivaneFTPUpdateRest::Stap stap, const char* naam)
{
    if (opruimHaak)
        opruimHaak(stap, naam);
}

bool isCijfer(char teken)
{
    return teken >= '0' && teken <= '9';
}

bool isLetterOfCijfer(char teken)
{
    return isCijfer(teken) || (teken >= 'a' && teken <= 'z') || (teken >= 'A' && teken <= 'Z');
}

// Digits, and more digits after each dot: the end of the version, or null.
const char* slaVersieOver(const char* tekst)
{
    if (!isCijfer(*tekst))
        return nullptr;
    for (;;)
    {
        while (isCijfer(*tekst))
            ++tekst;
        if (tekst[0] != '.' || !isCijfer(tekst[1]))
            return tekst;
        ++tekst;
    }
}

// A leftover of a copy of this user: one name, nothing else.
bool isEigenBestand(const struct stat& status)
{
    return S_ISREG(status.st_mode) && status.st_uid == geteuid() && status.st_nlink == 1;
}

bool isZelfdeBestand(const struct stat& een, const struct stat& ander)
{
    return een.st_dev == ander.st_dev && een.st_ino == ander.st_ino;
}

// The file the listing named is the one under the name now, as far as the
// listing tells.
bool isGelijst(const struct stat& status, ino_t gelijst)
{
    return gelijst == 0 || gelijst == onbekendNummer || status.st_ino == gelijst;
}

// Moves the rest `naam` to a free name of the clean-up's own, `eigen`.
bool verplaatsNaarEigenNaam(int map, const char* naam, const struct stat& status, char (&eigen)[NAME_MAX + 1])
{
    const std::size_t lengte = std::strlen(naam);
    if (lengte + eigenNaamStaart > NAME_MAX)
        return false;
    std::memcpy(eigen, naam, lengte);
    eigen[lengte] = '.';
    eigen[lengte + eigenNaamStaart] = '\0';
    unsigned long long zaad = static_cast<unsigned long long>(status.st_ino) ^ static_cast<unsigned>(getpid());
    for (int poging = 0; poging < 10; ++poging)
    {
        for (std::size_t i = 1; i <= restWillekeurigeLengte; ++i)
        {
            eigen[lengte + i] = naamTekens[zaad % (sizeof(naamTekens) - 1)];
            zaad = zaad / (sizeof(naamTekens) - 1) + 7919ULL * (zaad % 7 + 1) + static_cast<unsigned>(poging);
        }
        if (TrivaneFTPUpdateHernoeming::hernoemZonderVervangen(map, naam, map, eigen))
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}
} // namespace

TrivaneFTPUpdateRest::TrivaneFTPUpdateRest()
    : begin("." + std::string(TrivaneFTPUpdateDraad::productNaam.utf8_string()) + "_"),
      einde(std::string(TrivaneFTPUpdateDraad::PlatformNaam.utf8_string()) + ".")
{
}

std::string TrivaneFTPUpdateRest::maakSjabloon(const std::string& pakket)
{
    return "." + pakket + "." + std::string(restWillekeurigeLengte, 'X') + restEinde;
}

bool TrivaneFTPUpdateRest::isRest(const char* naam) const
{
    if (std::strncmp(naam, begin.c_str(), begin.size()) != 0)
        return false;
    const char* deel = slaVersieOver(naam + begin.size());
    if (!deel || std::strncmp(deel, einde.c_str(), einde.size()) != 0)
        return false;
    deel += einde.size();
    for (std::size_t i = 0; i < restWillekeurigeLengte; ++i, ++deel)
        if (!isLetterOfCijfer(*deel))
            return false;
    return std::strcmp(deel, restEinde) == 0;
}

int TrivaneFTPUpdateRest::ruimOp(const std::vector<std::string>& mappen) const
{
    int verwijderd = 0;
    for (const std::string& map : mappen)
        verwijderd += ruimMapOp(map.c_str());
    return verwijderd;
}

std::function<void(TrivaneFTPUpdateRest::Stap, const char*)>
TrivaneFTPUpdateRest::zetHaak(std::function<void(Stap, const char*)> haak)
{
    return std::exchange(opruimHaak, std::move(haak));
}

int TrivaneFTPUpdateRest::ruimMapOp(const char* pad) const
{
    // Opened once: every step below is taken in this very folder, whatever
    // is renamed on the way to it meanwhile.
    const int map = open(pad, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (map < 0)
        return 0;
    // First the names, then the removals: a name that the clean-up put back
    // is not taken up a second time. With each name the file it named then.
    char resten[maxResten][NAME_MAX + 1];
    ino_t nummers[maxResten];
    int aantal = 0;
    alignas(struct dirent64) char blok[4096];
    for (long gelezen; aantal < maxResten && (gelezen = getdents64(map, blok, sizeof(blok))) > 0;)
        for (long plaats = 0; plaats < gelezen && aantal < maxResten;)
        {
            const auto* deel = reinterpret_cast<const struct dirent64*>(blok + plaats);
            plaats += deel->d_reclen;
            if ((deel->d_type == DT_REG || deel->d_type == DT_UNKNOWN) && isRest(deel->d_name))
            {
                nummers[aantal] = static_cast<ino_t>(deel->d_ino);
                std::strcpy(resten[aantal++], deel->d_name);
            }
        }
    int verwijderd = 0;
    for (int i = 0; i < aantal; ++i)
        if (verwijder(map, resten[i], nummers[i]))
            ++verwijderd;
    close(map);
    return verwijderd;
}

bool TrivaneFTPUpdateRest::verwijder(int map, const char* naam, ino_t gelijst) const
{
    // Looked at before it is opened: a pipe or a device under the name is
    // left unopened. Each step takes only the file the step before saw: a
    // file the user renamed onto the name in between is left alone.
    haak(Stap::Gelijst, naam);
    struct stat gezien
    {
    };
    if (fstatat(map, naam, &gezien, AT_SYMLINK_NOFOLLOW) != 0 || !isEigenBestand(gezien) || !isGelijst(gezien, gelijst))
        return false;
    haak(Stap::Bekeken, naam);
    const int rest = openat(map, naam, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (rest < 0)
        return false;
    struct stat geopend
    {
    };
    bool weg = fstat(rest, &geopend) == 0 && isZelfdeBestand(geopend, gezien) && isEigenBestand(geopend) &&
               flock(rest, LOCK_EX | LOCK_NB) == 0;
    if (weg)
        haak(Stap::Vergrendeld, naam);
    weg = weg && verwijderGecontroleerd(map, naam, geopend);
    close(rest);
    return weg;
}

bool TrivaneFTPUpdateRest::verwijderGecontroleerd(int map, const char* naam, const struct stat& gecontroleerd) const
{
    char eigen[NAME_MAX + 1];
    if (!verplaatsNaarEigenNaam(map, naam, gecontroleerd, eigen))
        return false;
    struct stat nu
    {
    };
    if (fstatat(map, eigen, &nu, AT_SYMLINK_NOFOLLOW) == 0 && isZelfdeBestand(nu, gecontroleerd))
        return unlinkat(map, eigen, 0) == 0;
    // Another file came under the name since it was checked: back it goes,
    // over nothing. Where the name was taken again meanwhile it stays under
    // the clean-up's name, which no clean-up takes.
    static_cast<void>(TrivaneFTPUpdateHernoeming::hernoemZonderVervangen(map, eigen, map, naam));
    return false;
}
