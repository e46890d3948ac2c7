#include "toepassing/eigenschappen/BestandsVoorstel.h"

#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"

#include <algorithm>
#include <wx/filedlg.h>
#include <wx/intl.h>
#include <wx/richtext/richtextbuffer.h>

namespace
{
bool isExtensieVan(const wxFileName& bestand, wxRichTextFileType soort)
{
    const wxRichTextFileHandler* handler = wxRichTextBuffer::FindHandler(soort);
    return handler && bestand.HasExt() && bestand.GetExt().IsSameAs(handler->GetExtension(), false);
}

// Marks that belong to the character before them.
bool isCombinerend(wxUniChar teken)
{
    const unsigned long kode = teken.GetValue();
    return (kode >= 0x0300 && kode <= 0x036F) || (kode >= 0x1AB0 && kode <= 0x1AFF) ||
           (kode >= 0x1DC0 && kode <= 0x1DFF) || (kode >= 0x20D0 && kode <= 0x20FF) ||
           (kode >= 0xFE20 && kode <= 0xFE2F);
}
} // namespace

wxString BestandsVoorstel::maakNaam(const wxString& titel)
{
    wxString naam = DesktopFunkties::maakSchoonPadNaam(titel);
    naam.Replace("/", "_");
    naam.Replace("\\", "_");
    return naam;
}

wxString BestandsVoorstel::maakKorteNaam(const wxString& titel)
{
    const wxString naam = maakNaam(titel);
    if (naam.length() <= maxLengte)
        return naam;
    size_t lengte = maxLengte;
    while (lengte > 0 && isCombinerend(naam[lengte]))
        --lengte;
    return naam.Left(lengte);
}

wxFileName BestandsVoorstel::metExtensie(const wxString& pad, const wxString& extensie)
{
    wxFileName bestand(pad);
    if (bestand.GetExt() != extensie)
        bestand.SetFullName(bestand.GetFullName() + "." + extensie);
    return bestand;
}

wxString BestandsVoorstel::maakRijkFilter(std::vector<wxRichTextFileType>& soorten)
{
    wxArrayInt geregistreerd;
    const wxArrayString delen = wxSplit(wxRichTextBuffer::GetExtWildcard(false, true, &geregistreerd), '|', '\0');
    // By what they keep: everything, some formatting, none.
    const auto rang = [&](size_t i)
    {
        if (geregistreerd[i] == wxRICHTEXT_TYPE_XML)
            return 0;
        return geregistreerd[i] == wxRICHTEXT_TYPE_TEXT ? 2 : 1;
    };
    std::vector<size_t> volgorde;
    for (size_t i = 0; i < geregistreerd.size() && 2 * i + 1 < delen.size(); ++i)
        volgorde.push_back(i);
    std::stable_sort(volgorde.begin(), volgorde.end(), [&](size_t a, size_t b) { return rang(a) < rang(b); });
    wxString filter;
    soorten.clear();
    for (size_t i : volgorde)
    {
        filter += (filter.empty() ? "" : "|") + delen[2 * i] + "|" + delen[2 * i + 1];
        soorten.push_back(static_cast<wxRichTextFileType>(geregistreerd[i]));
    }
    return filter;
}

std::optional<BestandsVoorstel::RijkBestand>
BestandsVoorstel::vraagRijkBewaarBestand(const wxString& titel, const wxString& map, wxWindow* ouder)
{
    std::vector<wxRichTextFileType> soorten;
    const wxString filter = maakRijkFilter(soorten);
    const DesktopVraag::GekozenBestand gekozen = DesktopVraag::geef().kiesBestandEnFilter(
        _("Choose a filename"), map, maakNaam(titel), filter, wxFD_SAVE, ouder);
    if (gekozen.pad.empty() || soorten.empty())
        return std::nullopt;
    const size_t index = gekozen.filter >= 0 && static_cast<size_t>(gekozen.filter) < soorten.size()
                             ? static_cast<size_t>(gekozen.filter)
                             : 0;
    wxFileName getypt(gekozen.pad);
    // The dialog gives the proposed name the extension of the filter it
    // opens with, and keeps it when the user picks another filter: that
    // extension is the dialog's, the filter is the user's.
    if (index != 0 && isExtensieVan(getypt, soorten[0]))
        getypt.ClearExt();
    const wxRichTextFileHandler* handler = wxRichTextBuffer::FindHandler(getypt.GetExt(), wxRICHTEXT_TYPE_ANY);
    if (!getypt.GetExt().empty() && handler && handler->CanSave())
        return RijkBestand{getypt, static_cast<wxRichTextFileType>(handler->GetType())};
    handler = wxRichTextBuffer::FindHandler(soorten[index]);
    if (!handler)
        return std::nullopt;
    return RijkBestand{metExtensie(getypt.GetFullPath(), handler->GetExtension()), soorten[index]};
}

bool BestandsVoorstel::magSchrijven(const wxFileName& bestand, wxWindow* ouder)
{
    if (!bestand.FileExists())
        return true;
    return DesktopVraag::geef().stelVraag(
               DesktopFunkties::dubbeleQuotes(bestand.GetFullPath(), false) + " " + _("already exists.") +
                   DesktopAppBasis::vr + _("Do you want to replace it?"),
               _("The file already exists"), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING, ouder) == wxYES;
}
