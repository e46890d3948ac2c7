#include "swexternals/desktop/DesktopLogMelder.h"

#include <wx/intl.h>
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
    size_t getoond = 0;
    for (size_t i = 0; i < berichten.size() && getoond < maxVerder; ++i)
    {
        if (i == kop)
            continue;
        if (getoond++ > 0)
            melding.rest += "\n";
        melding.rest += berichten[i];
    }
    const size_t over = berichten.size() - 1 - getoond;
    if (over > 0)
        melding.rest += "\n" + wxString::Format(_("Further messages not shown: %lu"), static_cast<unsigned long>(over));
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
