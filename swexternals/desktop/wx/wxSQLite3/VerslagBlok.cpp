#include "swexternals/desktop/wx/wxSQLite3/VerslagBlok.h"

#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace
{
size_t geefPagina()
{
    static const size_t pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return pagina;
}

size_t rondOpNaarPagina(size_t bytes)
{
    return (bytes + geefPagina() - 1) / geefPagina() * geefPagina();
}
} // namespace

VerslagBlok::~VerslagBlok()
{
    geefTerug();
}

VerslagBlok::VerslagBlok(VerslagBlok&& ander) noexcept
    : begin(std::exchange(ander.begin, nullptr)), gereserveerd(std::exchange(ander.gereserveerd, 0)),
      grootte(std::exchange(ander.grootte, 0))
{
}

VerslagBlok& VerslagBlok::operator=(VerslagBlok&& ander) noexcept
{
    if (this != &ander)
    {
        geefTerug();
        begin = std::exchange(ander.begin, nullptr);
        gereserveerd = std::exchange(ander.gereserveerd, 0);
        grootte = std::exchange(ander.grootte, 0);
    }
    return *this;
}

bool VerslagBlok::maakRuimte(size_t extra, size_t grens)
{
    if (grootte + extra > grens)
        return false;
    if (grootte + extra <= gereserveerd)
        return true;
    // The first byte, or a limit raised since: the bytes written move once.
    const size_t nieuw = rondOpNaarPagina(grens);
    void* ruimte = mmap(nullptr, nieuw, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (ruimte == MAP_FAILED)
        return false;
    if (grootte > 0)
        std::memcpy(ruimte, begin, grootte);
    const size_t bewaard = grootte;
    geefTerug();
    begin = static_cast<unsigned char*>(ruimte);
    gereserveerd = nieuw;
    grootte = bewaard;
    return true;
}

void VerslagBlok::schrijf(const void* bytes, size_t aantal)
{
    std::memcpy(begin + grootte, bytes, aantal);
    grootte += aantal;
}

void VerslagBlok::kort(size_t nieuweGrootte)
{
    if (nieuweGrootte >= grootte)
        return;
    const size_t vrij = rondOpNaarPagina(nieuweGrootte);
    const size_t gebruikt = rondOpNaarPagina(grootte);
    if (gebruikt > vrij)
        madvise(begin + vrij, gebruikt - vrij, MADV_DONTNEED);
    grootte = nieuweGrootte;
}

void VerslagBlok::geefTerug()
{
    if (begin != nullptr)
        munmap(begin, gereserveerd);
    begin = nullptr;
    gereserveerd = 0;
    grootte = 0;
}
