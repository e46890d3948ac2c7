#include "swexternals/desktop/ToonbareTekstDataObjekt.h"

#include "swexternals/desktop/ToonbareTekst.h"

bool ToonbareTekstDataObjekt::SetData(const wxDataFormat& formaat, size_t lengte, const void* bytes)
{
    if (bytes == nullptr)
        return false;
    if (formaat != wxDataFormat(wxDF_UNICODETEXT))
    {
        const bool gelezen = wxTextDataObject::SetData(formaat, lengte, bytes);
        SetText(ToonbareTekst::maak(GetText()));
        return gelezen;
    }
    const char* tekens = static_cast<const char*>(bytes);
    // A NUL at the end closes the text; it is no part of it.
    while (lengte > 0 && tekens[lengte - 1] == '\0')
        --lengte;
    SetText(ToonbareTekst::uitUTF8(tekens, lengte));
    return true;
}
