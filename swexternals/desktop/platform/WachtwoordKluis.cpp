#include "swexternals/desktop/platform/WachtwoordKluis.h"

#ifdef VT_MET_LIBSECRET
#include "swexternals/desktop/platform/LibsecretKluis.h"
#else
#include "swexternals/desktop/platform/GeenKluis.h"
#endif

#include <utility>

namespace
{
WachtwoordKluis& systeemKluis()
{
#ifdef VT_MET_LIBSECRET
    static LibsecretKluis kluis;
#else
    static GeenKluis kluis;
#endif
    return kluis;
}

WachtwoordKluis* huidige = nullptr;
} // namespace

WachtwoordKluis& WachtwoordKluis::geef()
{
    return huidige ? *huidige : systeemKluis();
}

WachtwoordKluis* WachtwoordKluis::zet(WachtwoordKluis* nieuw)
{
    return std::exchange(huidige, nieuw);
}
