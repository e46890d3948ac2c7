#include "swexternals/desktop/TrivaneDesktopHTML.h"

#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"

#include <utility>
#include <vector>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/log.h>

namespace TrivaneDesktopHTML
{
namespace
{
const wxString& doelTekst(InputDoel doel)
{
    static const wxString teksten[] = {"_blank", "_self", "_parent", "_top"};
    static const wxString onbekend;
    return doel < WXSIZEOF(teksten) ? teksten[doel] : onbekend;
}

const wxString& typeTekst(InputType type)
{
    static const wxString teksten[] = {"button", "checkbox", "color", "date",   "datetime-local", "email",
                                       "file",   "hidden",   "image", "month",  "number",         "password",
                                       "radio",  "range",    "reset", "search", "submit",         "tel",
                                       "text",   "time",     "url",   "week"};
    static const wxString onbekend;
    return type < WXSIZEOF(teksten) ? teksten[type] : onbekend;
}

// File names as the page refers to them: no separators, wildcards,
// brackets, commas, colons or blanks, and no letters outside plain ASCII
// where a spelling of them exists.
wxString schoneBestandsNaam(const wxString& naam)
{
    static const std::vector<std::pair<wxString, wxString>> vervangingen = {
        {"/", "_"},        {"\\", "_"},       {"*", "_"},        {"?", "_"},        {"(", "_"},
        {")", "_"},        {",", "_"},        {":", "_"},        {" ", "_"},        {L"\u00fc", "ue"},
        {L"\u00f6", "oe"}, {L"\u00e4", "ae"}, {L"\u00df", "ss"}, {L"\u00e6", "ae"}, {L"\u0153", "ee"},
        {L"\u00e5", "aa"}, {L"\u00f8", "oe"}, {L"\u00e2", "ah"}, {L"\u00e8", "eh"}, {L"\u00e9", "eh"},
        {L"\u03bc", "mu"}};
    wxString schoon = naam.Lower();
    for (const auto& vervanging : vervangingen)
        schoon.Replace(vervanging.first, vervanging.second);
    return schoon;
}

// A new file name in the temporary folder; the empty file that reserved the
// name is not needed beside the one with the extension.
wxFileName maakTijdelijkeNaam(const wxString& prefix, const wxString& extensie)
{
    wxFileName naam;
    naam.AssignTempFileName(wxFileName::GetTempDir() + wxFileName::GetPathSeparator() + prefix);
    if (naam.IsOk())
    {
        wxRemoveFile(naam.GetFullPath());
        naam.SetExt(extensie);
    }
    return naam;
}
} // namespace

const wxString breek = "<br>";
const wxString nieuweRegel = "\n";
const wxString bodyBegin = mk("body");
const wxString bodyEind = mk("/body");
const wxString eindeHeader = mk("/head");
const wxString tabelEind = "</table>\n";
const wxString tabelRijBegin = mk("tr");
const wxString tabelRijEind = mk("/tr");

wxString mk(const wxString& tag)
{
    return "<" + tag + ">\n";
}

wxString mk(const wxString& tag, const wxString& inhoud)
{
    return wxString::Format("<%s>%s</%s>\n", tag, inhoud, tag);
}

void metBreek(wxString& tekst, unsigned long long aantal)
{
    for (unsigned long long i = 0; i < aantal; ++i)
        tekst += breek;
    tekst += DesktopAppBasis::vr;
}

wxString maakMetBreek(const wxString& tekst, unsigned long long aantal)
{
    wxString resultaat = tekst;
    metBreek(resultaat, aantal);
    return resultaat;
}

wxString tabelBegin(const wxString& klasse)
{
    return "<table class=" + DesktopFunkties::dubbeleQuotes(klasse) + ">\n";
}

wxString maakBladzijdeInfo(const wxString& titel)
{
    return "<!DOCTYPE html>\n<html lang=\"en_UK\">\n<head>\n <meta charset=\"UTF-8\">\n <title>" + titel + "</title>\n";
}

wxString maakHoofdstuk(unsigned int niveau, const wxString& tekst)
{
    return wxString::Format("<h%u>", niveau) + tekst + wxString::Format("</h%u>\n", niveau);
}

wxString elGrootte(const wxSize& grootte)
{
    return wxString::Format("height=%d width=%d", grootte.GetHeight(), grootte.GetWidth());
}

wxString tabelKolom(const wxString& tekst)
{
    return "<th scope=\"col\">" + tekst + "</th>\n";
}

wxString tabelData(const wxString& tekst)
{
    return "<td>" + tekst + "</td>\n";
}

wxString metFont(const wxString& tekst, unsigned int grootte)
{
    return wxString::Format("<font size=\"%u\">", grootte) + tekst + "</font>";
}

wxString paragraaf(const wxString& tekst, unsigned int fontGrootte, const wxString& kleur,
                   const wxString& achtergrondKleur)
{
    return "<p " + wxString::Format("style=\"font-size:%upx", fontGrootte) + ";color:" + kleur +
           ";background-color:" + achtergrondKleur + "\"" + ">" + tekst + "</p>\n";
}

wxString maakLink(const wxString& adres, const wxString& tekst, bool nieuwVenster)
{
    const bool heeftSchema = adres.StartsWith("http://") || adres.StartsWith("https://");
    wxString link = "<a href=" + DesktopFunkties::dubbeleQuotes(heeftSchema ? adres : "http://" + adres);
    if (nieuwVenster)
        link += " target=\"_blank\" rel=\"noopener noreferrer\"";
    return link + ">" + tekst + "</a>\n";
}

wxString tabelData(const wxImage& beeld, const wxFileName& bestand, const wxString& mapTekst, const wxSize& grootte,
                   unsigned int rand)
{
    const wxString schoon = schoneBestandsNaam(bestand.GetFullName());
    const wxFileName afbeelding(bestand.GetPath(wxPATH_GET_VOLUME), schoon);
    const wxString cel = "<td>" + wxString("<img src=") + DesktopFunkties::dubbeleQuotes(mapTekst + "/" + schoon) +
                         " alt=\"\" " + wxString::Format("border=%u ", rand) + elGrootte(grootte) + "></img>" +
                         "</td>\n";
    if (!afbeelding.FileExists() && (!beeld.IsOk() || !beeld.SaveFile(afbeelding.GetFullPath())))
        return wxString();
    return cel;
}

wxString plaatsAfbeeldingMetLink(const wxImage& beeld, const wxString& naam, const wxString& link,
                                 const wxString& alternatief)
{
    if (!beeld.IsOk())
    {
        DesktopFunkties::wxErrorVeilig(_("An error occurred when opening an embeddable HTML image."));
        return wxString();
    }
    wxString prefix = naam;
    for (const char* teken : {"/", "\\", "*", "?", "(", ")"})
        prefix.Replace(teken, "_");
    const wxFileName bestand = maakTijdelijkeNaam(prefix, "png");
    if (!bestand.IsOk() || !beeld.SaveFile(bestand.GetFullPath(), wxBITMAP_TYPE_PNG))
    {
        DesktopFunkties::wxErrorVeilig(
            _("An error occurred saving a temporary file containing an embeddable HTML image."));
        return wxString();
    }
    return "<a href=" + DesktopFunkties::dubbeleQuotes(link) +
           "><img class=\"aligncenter\" src=" + DesktopFunkties::dubbeleQuotes("file://" + bestand.GetFullPath()) +
           " alt=" + DesktopFunkties::dubbeleQuotes(alternatief) +
           wxString::Format(" width=\"%d\" height=\"%d\"", beeld.GetWidth(), beeld.GetHeight()) + "/></a>";
}

wxString maakInput(const wxString& naam, const wxString& id, InputDoel doel, InputType type, const wxString& stijl,
                   const wxString& waarde, const wxString& naTekst, const wxString& attributen, const wxString& onClick)
{
    wxString input = "<input ";
    if (!naam.empty())
        input += "name=" + DesktopFunkties::dubbeleQuotes(naam);
    input += " style=" + DesktopFunkties::dubbeleQuotes(stijl);
    input += " formtarget=" + DesktopFunkties::dubbeleQuotes(doelTekst(doel));
    input += " type=" + DesktopFunkties::dubbeleQuotes(typeTekst(type));
    input += " id=" + DesktopFunkties::dubbeleQuotes(id);
    if (!waarde.empty())
        input += " value=" + DesktopFunkties::dubbeleQuotes(waarde);
    if (!onClick.empty())
        input += " onclick=" + DesktopFunkties::dubbeleQuotes(onClick);
    return input + " " + attributen + ">" + naTekst + DesktopAppBasis::vr;
}

wxString maakHTMLChoice(const wxString& naam, const wxArrayString& waarden, const wxArrayString& teksten,
                        const wxString& stijl, unsigned long long gekozen)
{
    wxString keuze = "<select " + (stijl.empty() ? wxString() : "style=" + DesktopFunkties::dubbeleQuotes(stijl)) +
                     " " + "name=" + DesktopFunkties::dubbeleQuotes(naam) + ">\n";
    for (size_t i = 0; i < waarden.GetCount(); ++i)
    {
        const wxString tekst = i < teksten.GetCount() ? teksten[i] : waarden[i];
        // The empty text would give the catalogue's header.
        const wxString vertaald = tekst.empty() ? tekst : wxString(wxGetTranslation(tekst));
        keuze += "<option value=" + DesktopFunkties::dubbeleQuotes(waarden[i]) + (i == gekozen ? " selected>" : ">") +
                 vertaald + "</option>\n";
    }
    return keuze + "</select>\n";
}
} // namespace TrivaneDesktopHTML
