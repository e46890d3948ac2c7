#ifndef SWEXTERNALS_DESKTOP_DESKTOPLOGMELDER_H
#define SWEXTERNALS_DESKTOP_DESKTOPLOGMELDER_H

#include <wx/arrstr.h>
#include <wx/dynarray.h>
#include <wx/log.h>
#include <wx/string.h>

// The log target of a desktop application (DesktopApp puts it in place once
// the display is there). As the toolkit's own, it shows the messages of one
// event together in one message box; but the headline is what went wrong
// (the most severe message, the first of them when several are as severe),
// and the other messages follow below it in the order they were logged (as
// what to do about it), whole. The toolkit's own box heads with the last
// message ("Please try again.") and hides the reason in a list of details,
// cut off.
class DesktopLogMelder : public wxLogGui
{
public:
    struct Melding
    {
        wxString kop;
        wxString rest;
    };

    // The most messages shown below the headline: a box cannot scroll, and
    // one taller than the display hides its OK button.
    static constexpr size_t maxVerder = 10;

    // The headline and the rest of messages logged at these levels
    // (wxLOG_Error, wxLOG_Warning, ...), in the order they were logged; of
    // more than maxVerder further messages the rest is counted only.
    static Melding ordenBerichten(const wxArrayString& berichten, const wxArrayInt& niveaus);

private:
    void DoShowMultipleLogMessages(const wxArrayString& berichten, const wxArrayInt& niveaus, const wxArrayLong& tijden,
                                   const wxString& titel, int stijl) override;
};

#endif
