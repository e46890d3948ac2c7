#ifndef SWEXTERNALS_DESKTOP_TOONBARETEKSTDATAOBJEKT_H
#define SWEXTERNALS_DESKTOP_TOONBARETEKSTDATAOBJEKT_H

#include <wx/dataobj.h>

// Text from the clipboard or a drop as the program can show it
// (ToonbareTekst): another program may offer UTF-8 that is none. The
// toolkit's own text object reads such bytes as no text at all, and lets a
// code point beyond U+10FFFF through, on which it later gives up.
class ToonbareTekstDataObjekt : public wxTextDataObject
{
public:
    ToonbareTekstDataObjekt() = default;

    using wxTextDataObject::SetData;
    bool SetData(const wxDataFormat& formaat, size_t lengte, const void* bytes) override;
};

#endif
