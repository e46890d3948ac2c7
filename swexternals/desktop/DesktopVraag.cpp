#include "swexternals/desktop/DesktopVraag.h"

#include "swexternals/desktop/platform/Platform.h"

#include <wx/aboutdlg.h>
#include <wx/choicdlg.h>
#include <wx/colordlg.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/fontdlg.h>
#include <wx/msgdlg.h>
#include <wx/numdlg.h>
#include <wx/richtext/richtextsymboldlg.h>
#include <wx/textdlg.h>

namespace
{
wxMessageDialog::ButtonLabel label(const wxString& eigen, int stockId)
{
    if (eigen.empty())
        return wxMessageDialog::ButtonLabel(stockId);
    return wxMessageDialog::ButtonLabel(eigen);
}

void zetLabels(wxMessageDialog& dialoog, long stijl, const DesktopVraag::Knoppen& knoppen)
{
    if (knoppen.ja.empty() && knoppen.nee.empty() && knoppen.annuleer.empty())
        return;
    if (stijl & wxCANCEL)
        dialoog.SetYesNoCancelLabels(label(knoppen.ja, wxID_YES), label(knoppen.nee, wxID_NO),
                                     label(knoppen.annuleer, wxID_CANCEL));
    else
        dialoog.SetYesNoLabels(label(knoppen.ja, wxID_YES), label(knoppen.nee, wxID_NO));
}

// The answers of wxMessageBox, which the callers compare with.
int alsBerichtAntwoord(int id)
{
    switch (id)
    {
    case wxID_YES:
        return wxYES;
    case wxID_NO:
        return wxNO;
    case wxID_OK:
        return wxOK;
    case wxID_HELP:
        return wxHELP;
    default:
        return wxCANCEL;
    }
}

// Asks the user with the toolkit's own dialogs.
class EchteDialogen : public DesktopVraag
{
public:
    int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder,
                  const Knoppen& knoppen) override
    {
        wxMessageDialog dialoog(ouder, bericht, titel, stijl);
        zetLabels(dialoog, stijl, knoppen);
        return alsBerichtAntwoord(dialoog.ShowModal());
    }

    GekozenBestand kiesBestandEnFilter(const wxString& bericht, const wxString& standaardMap,
                                       const wxString& standaardNaam, const wxString& wildcard, long stijl,
                                       wxWindow* ouder) override
    {
        wxFileDialog dialoog(ouder, bericht, standaardMap, standaardNaam, wildcard, stijl);
        if (dialoog.ShowModal() != wxID_OK)
            return GekozenBestand();
        return GekozenBestand{dialoog.GetPath(), dialoog.GetFilterIndex()};
    }

    wxString kiesMap(const wxString& bericht, const wxString& standaardMap, wxWindow* ouder) override
    {
        return wxDirSelector(bericht, standaardMap, wxDD_DEFAULT_STYLE, wxDefaultPosition, ouder);
    }

    std::optional<wxString> vraagTekst(const wxString& bericht, const wxString& titel, const wxString& voorstel,
                                       wxWindow* ouder) override
    {
        wxTextEntryDialog dialoog(ouder, bericht, titel, voorstel, wxTextEntryDialogStyle);
        if (dialoog.ShowModal() != wxID_OK)
            return std::nullopt;
        return dialoog.GetValue();
    }

    std::optional<long> vraagGetal(const wxString& bericht, const wxString& prompt, const wxString& titel,
                                   long voorstel, long min, long max, wxWindow* ouder) override
    {
        wxNumberEntryDialog dialoog(ouder, bericht, prompt, titel, voorstel, min, max);
        if (dialoog.ShowModal() != wxID_OK)
            return std::nullopt;
        return dialoog.GetValue();
    }

    std::optional<wxColour> kiesKleur(const wxColour& begin, const wxString& titel, wxWindow* ouder) override
    {
        wxColourData gegevens;
        if (begin.IsOk())
            gegevens.SetColour(begin);
        wxColourDialog dialoog(ouder, &gegevens);
        if (!titel.empty())
            dialoog.SetTitle(titel);
        if (dialoog.ShowModal() != wxID_OK)
            return std::nullopt;
        return dialoog.GetColourData().GetColour();
    }

    std::optional<wxFont> kiesFont(const wxFont& begin, const wxString& titel, wxWindow* ouder) override
    {
        wxFontData gegevens;
        if (begin.IsOk())
            gegevens.SetInitialFont(begin);
        wxFontDialog dialoog(ouder, gegevens);
        if (!titel.empty())
            dialoog.SetTitle(titel);
        if (dialoog.ShowModal() != wxID_OK)
            return std::nullopt;
        const wxFont gekozen = dialoog.GetFontData().GetChosenFont();
        if (!gekozen.IsOk())
            return std::nullopt;
        return gekozen;
    }

    std::optional<Symbool> kiesSymbool(const wxString& symbool, const wxString& fontNaam, const wxString& normaleFont,
                                       const wxString& titel, wxWindow* ouder) override
    {
        wxSymbolPickerDialog dialoog(symbool, fontNaam, normaleFont, ouder, wxID_ANY,
                                     titel.empty() ? SYMBOL_WXSYMBOLPICKERDIALOG_TITLE : titel, wxDefaultPosition,
                                     wxSize(400, 300));
        if (dialoog.ShowModal() != wxID_OK || !dialoog.HasSelection())
            return std::nullopt;
        return Symbool{dialoog.GetSymbol()[0], dialoog.UseNormalFont() ? wxString() : dialoog.GetFontName()};
    }

    std::optional<int> kiesUitLijst(const wxString& bericht, const wxString& titel, const wxArrayString& keuzes,
                                    int begin, wxWindow* ouder) override
    {
        wxSingleChoiceDialog dialoog(ouder, bericht, titel, keuzes);
        if (begin >= 0 && static_cast<size_t>(begin) < keuzes.size())
            dialoog.SetSelection(begin);
        if (dialoog.ShowModal() != wxID_OK || dialoog.GetSelection() < 0)
            return std::nullopt;
        return dialoog.GetSelection();
    }

    void toonAboutBox(const wxAboutDialogInfo& info, wxWindow* ouder) override
    {
        wxAboutBox(info, ouder);
        static_cast<void>(Platform::leidAboutLinksOm());
    }
};

EchteDialogen echteDialogen;
DesktopVraag* huidige = &echteDialogen;
} // namespace

DesktopVraag& DesktopVraag::geef()
{
    return *huidige;
}

DesktopVraag* DesktopVraag::zet(DesktopVraag* nieuw)
{
    DesktopVraag* vorige = huidige;
    huidige = nieuw ? nieuw : &echteDialogen;
    return vorige;
}
