// Images kept in BLOB columns as their encoded file, so any reader can decode
// them again without knowing how they were made.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <wx/buffer.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/log.h>

int SQLite3Basis::leesAfbeeldingUitBlob(wxSQLite3ResultSet& rij, const wxString& kolom, wxImage& beeld)
{
    wxMemoryBuffer buffer;
    try
    {
        rij.GetBlob(kolom, buffer);
    }
    catch (const wxSQLite3Exception& fout)
    {
        DesktopFunkties::wxErrorVeilig(_("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(sqliteBericht(fout), true));
        return 2;
    }
    return DesktopFunkties::kopieerBufferNaarBeeld(buffer, beeld);
}

int SQLite3Basis::zetAfbeeldingInBlob(wxSQLite3Statement& opdracht, unsigned int index, const wxImage& beeld)
{
    if (!beeld.IsOk())
        return 1;
    wxMemoryBuffer buffer;
    const int resultaat = DesktopFunkties::kopieerBeeldNaarBuffer(beeld, buffer);
    try
    {
        if (resultaat == 0)
        {
            opdracht.Bind(static_cast<int>(index), buffer);
            return 0;
        }
        opdracht.BindNull(static_cast<int>(index));
    }
    catch (const wxSQLite3Exception& fout)
    {
        DesktopFunkties::wxErrorVeilig(_("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(sqliteBericht(fout), true));
        return 2;
    }
    wxLogError(_("Error inserting an image as blob into the database."));
    return resultaat;
}
