#include "swexternals/desktop/DesktopLogMelder.h"

#include <wx/msgdlg.h>

DesktopLogMelder::Melding DesktopLogMelder::ordenBerichten(const wxArrayString& berichten, const wxArrayInt& niveaus)
{
    // The lower the level, the more severe.
    size_t kop = 0;
    for (size_t i = 1; i < berichten.size() && i < niveaus.size(); ++i)
        if (niveaus[i] < niveaus[kop])
            kop = i;
    Melding melding;
    if (berichten.empty())
        return melding;
    melding.kop = berichten[kop];
    for (size_t i = 0; i < berichten.size(); ++i)
    {
        if (i == kop)
            continue;
        if (!melding.rest.empty())
            melding.rest += "\n";
        melding.rest += berichten[i];
    }
    return melding;
}

void DesktopLogMelder::DoShowMultipleLogMessages(const wxArrayString& berichten, const wxArrayInt& niveaus,
                                                 const wxArrayLong&, const wxString& titel, int stijl)
{
    const Melding melding = ordenBerichten(berichten, niveaus);
    wxMessageDialog dialoog(nullptr, melding.kop, titel, wxOK | wxCENTRE | stijl);
    dialoog.SetExtendedMessage(melding.rest);
    dialoog.ShowModal();
}
