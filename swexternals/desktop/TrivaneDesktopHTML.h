#ifndef SWEXTERNALS_DESKTOP_TRIVANEDESKTOPHTML_H
#define SWEXTERNALS_DESKTOP_TRIVANEDESKTOPHTML_H

#include <wx/arrstr.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxFileName;
class wxImage;

// Small builders of HTML page fragments, for pages that are printed or shown:
// each returns a new text (metBreek appends to the one given). Texts are put
// in as they are, so a caller may nest fragments; nothing is escaped. Only the
// image builders write files, and only they can fail (they then return "").
namespace TrivaneDesktopHTML
{
extern const wxString breek;
extern const wxString nieuweRegel;
extern const wxString bodyBegin;
extern const wxString bodyEind;
extern const wxString eindeHeader;
extern const wxString tabelEind;
extern const wxString tabelRijBegin;
extern const wxString tabelRijEind;

// Where a form's submit result is shown: "_blank", "_self", "_parent", "_top".
enum InputDoel : unsigned int
{
    doelBlank = 0,
    doelSelf,
    doelParent,
    doelTop
};

// The type attribute of a form input, "button" to "week".
enum InputType : unsigned int
{
    typeButton = 0,
    typeCheckbox,
    typeColor,
    typeDate,
    typeDatetimeLocal,
    typeEmail,
    typeFile,
    typeHidden,
    typeImage,
    typeMonth,
    typeNumber,
    typePassword,
    typeRadio,
    typeRange,
    typeReset,
    typeSearch,
    typeSubmit,
    typeTel,
    typeText,
    typeTime,
    typeUrl,
    typeWeek
};

// "<tag>\n" and "<tag>content</tag>\n".
wxString mk(const wxString& tag);
wxString mk(const wxString& tag, const wxString& inhoud);
void metBreek(wxString& tekst, unsigned long long aantal);
wxString maakMetBreek(const wxString& tekst, unsigned long long aantal);
wxString tabelBegin(const wxString& klasse);
// The page up to its title; the head stays open for more (eindeHeader closes it).
wxString maakBladzijdeInfo(const wxString& titel);
wxString maakHoofdstuk(unsigned int niveau, const wxString& tekst);
wxString elGrootte(const wxSize& grootte);
wxString tabelKolom(const wxString& tekst);
wxString tabelData(const wxString& tekst);
wxString metFont(const wxString& tekst, unsigned int grootte);
wxString paragraaf(const wxString& tekst, unsigned int fontGrootte, const wxString& kleur,
                   const wxString& achtergrondKleur);
// An address without "http://" or "https://" gets "http://".
wxString maakLink(const wxString& adres, const wxString& tekst, bool nieuwVenster);
// A cell showing the image, saved beside the page under a clean lower-case
// form of the file name (an existing file of that name is kept); the page
// refers to it through `mapTekst`.
wxString tabelData(const wxImage& beeld, const wxFileName& bestand, const wxString& mapTekst, const wxSize& grootte,
                   unsigned int rand);
// The image saved as a PNG file in the temporary folder, shown as a link.
wxString plaatsAfbeeldingMetLink(const wxImage& beeld, const wxString& naam, const wxString& link,
                                 const wxString& alternatief);
wxString maakInput(const wxString& naam, const wxString& id, InputDoel doel, InputType type, const wxString& stijl,
                   const wxString& waarde, const wxString& naTekst, const wxString& attributen,
                   const wxString& onClick);
// Options beyond the last text show their value.
wxString maakHTMLChoice(const wxString& naam, const wxArrayString& waarden, const wxArrayString& teksten,
                        const wxString& stijl, unsigned long long gekozen);
} // namespace TrivaneDesktopHTML

#endif
