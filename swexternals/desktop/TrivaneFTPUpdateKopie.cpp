#include "swexternals/desktop/TrivaneFTPUpdateKopie.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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
}

void TrivaneFTPUpdateKopie::stop()
{
    gestopt = true;
}

TrivaneFTPUpdateKopie::Uitkomst TrivaneFTPUpdateKopie::wacht()
{
    if (draad.joinable())
        draad.join();
    Uitkomst uitkomst;
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

void TrivaneFTPUpdateKopie::kopieer()
{
    for (Poging& poging : pogingen)
        if (gestopt || kopieerNaar(poging))
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
    struct stat status
    {
    };
    const bool gemeten = fstat(invoer, &status) == 0;
    // Hidden, with a name nobody else can have taken, open to this user only.
    std::string tijdelijk = poging.map + "/." + geefBestandsNaam(bron) + ".XXXXXX";
    const int uitvoer = mkostemp(tijdelijk.data(), O_CLOEXEC);
    if (uitvoer < 0)
    {
        poging.fout = errno;
        close(invoer);
        return false;
    }
    bool gelukt = schrijfAlles(invoer, uitvoer, poging.fout);
    close(invoer);
    // The package's own permissions, as the user would get them from a copy.
    if (gelukt && gemeten)
        static_cast<void>(fchmod(uitvoer, status.st_mode & 0777));
    // On disk before it has its name: a crash never leaves an empty package.
    if (gelukt && fsync(uitvoer) != 0)
    {
        poging.fout = errno;
        gelukt = false;
    }
    if (close(uitvoer) != 0 && gelukt)
    {
        poging.fout = errno;
        gelukt = false;
    }
    if (gelukt && gestopt)
    {
        poging.fout = ECANCELED;
        gelukt = false;
    }
    if (gelukt)
        gelukt = geefKopiePlaats(tijdelijk, poging.map, geefBestandsNaam(bron), vervang, poging.doel, poging.fout);
    if (!gelukt)
        unlink(tijdelijk.c_str());
    return gelukt;
}

bool TrivaneFTPUpdateKopie::schrijfAlles(int invoer, int uitvoer, int& fout)
{
    std::vector<char> stuk(kopieStuk);
    for (;;)
    {
        if (gestopt)
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
