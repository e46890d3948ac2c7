#include "toepassing/kern/RequirementDataObjekt.h"

#include "swexternals/desktop/ToonbareTekst.h"

#include <cstring>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/tokenzr.h>
#include <wx/utils.h>

namespace
{
const wxString regelEinde = "\r\n";
const wxString bestandSchema = "file:";

wxString herkomstRegel()
{
    return "#" + RequirementDataObjekt::formaatNaam + " ";
}
} // namespace

const wxString RequirementDataObjekt::formaatNaam = "TrivaneVerelTamsoRequirement";
const wxString RequirementDataObjekt::tijdelijkVoorvoegsel = "TrivaneTamso";

RequirementDataObjekt::RequirementDataObjekt()
{
    SetFormat(wxDataFormat(formaatNaam));
}

RequirementDataObjekt::RequirementDataObjekt(const Requirement& rek, const wxString& herkomst_) : herkomst(herkomst_)
{
    SetFormat(wxDataFormat(formaatNaam));
    (void)importeer(rek);
}

RequirementDataObjekt::RequirementDataObjekt(const RequirementLijst& lijst, const wxString& herkomst_)
    : herkomst(herkomst_)
{
    SetFormat(wxDataFormat(formaatNaam));
    (void)importeer(lijst);
}

RequirementDataObjekt::~RequirementDataObjekt()
{
    // The drag is over: whoever dropped the data has read the files by now.
    wxLogNull geenMeldingen;
    for (const wxString& bestand : eigenBestanden)
        wxRemoveFile(bestand);
}

bool RequirementDataObjekt::importeer(const Requirement& rek)
{
    wxFileName bestand;
    {
        wxLogNull geenMeldingen;
        bestand.AssignTempFileName(tijdelijkVoorvoegsel);
    }
    if (!bestand.IsOk())
        return false;
    // Made, so ours to remove, also when writing it failed.
    eigenBestanden.Add(bestand.GetFullPath());
    if (rek.bewaarOpDisk(bestand) != 0)
        return false;
    AddFile(bestand.GetFullPath());
    return true;
}

bool RequirementDataObjekt::importeer(const RequirementLijst& lijst)
{
    bool alle = true;
    for (size_t i = 0; i < lijst.GetCount(); ++i)
        alle = importeer(lijst[i]) && alle;
    return alle;
}

wxString RequirementDataObjekt::maakHerkomst(const wxString& projektPad)
{
    wxString herkomst = wxString::Format("%s/%lu/", wxGetHostName(), wxGetProcessId()) + projektPad;
    // One line of the payload.
    herkomst.Replace("\r", "");
    herkomst.Replace("\n", "");
    return herkomst;
}

std::string RequirementDataObjekt::maakLading() const
{
    wxString lading = herkomstRegel() + herkomst + regelEinde;
    for (const wxString& bestand : GetFilenames())
        lading += wxFileName::FileNameToURL(wxFileName(bestand)) + regelEinde;
    return lading.utf8_string();
}

size_t RequirementDataObjekt::GetDataSize() const
{
    return maakLading().size();
}

bool RequirementDataObjekt::GetDataHere(void* buffer) const
{
    const std::string lading = maakLading();
    memcpy(buffer, lading.data(), lading.size());
    return true;
}

bool RequirementDataObjekt::SetData(size_t lengte, const void* buffer)
{
    m_filenames.Clear();
    herkomst.clear();
    // Another program's payload may hold a code point beyond U+10FFFF, which
    // the decoder lets through and a path cannot hold.
    const wxString lading = ToonbareTekst::maak(wxString::FromUTF8(static_cast<const char*>(buffer), lengte));
    if (lading.empty() && lengte > 0)
        return false;
    wxStringTokenizer regels(lading, "\r\n", wxTOKEN_STRTOK);
    while (regels.HasMoreTokens())
    {
        const wxString regel = regels.GetNextToken();
        wxString rest;
        if (regel.StartsWith(herkomstRegel(), &rest))
            herkomst = rest;
        else if (regel.StartsWith(bestandSchema))
            AddFile(wxFileName::URLToFileName(regel).GetFullPath());
    }
    return true;
}
