#ifndef TOEPASSING_KERN_REQUIREMENTDATAOBJEKT_H
#define TOEPASSING_KERN_REQUIREMENTDATAOBJEKT_H

#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementLijst.h"

#include <string>
#include <wx/arrstr.h>
#include <wx/dataobj.h>
#include <wx/string.h>

// The data of a drag of requirements: each one written to a temporary
// exchange file, the list of their paths, and the project they came from.
// It offers and accepts only the format "TrivaneVerelTamsoRequirement", so
// nothing but requirements of this program is dropped on the list.
//
// The payload is a URI list (RFC 2483) whose first line, a comment, names
// the project the requirements were dragged from:
//
//     #TrivaneVerelTamsoRequirement <origin>\r\n
//     file:///tmp/TrivaneTamsoa1B2c3\r\n
//
// A payload without that line comes from elsewhere: its origin is empty.
//
// The object that wrote the files (the drag source) removes them when it
// goes, when the drag has ended, however it ended; a drop reads them while
// the drag is still on. The receiving object never removes a file: any
// program can offer this format with any path.
class RequirementDataObjekt : public wxFileDataObject
{
public:
    static const wxString formaatNaam;
    static const wxString tijdelijkVoorvoegsel;

    // Receives a payload.
    RequirementDataObjekt();
    // Offers the requirement(s) of the project of `herkomst` (maakHerkomst).
    RequirementDataObjekt(const Requirement& rek, const wxString& herkomst);
    RequirementDataObjekt(const RequirementLijst& lijst, const wxString& herkomst);
    ~RequirementDataObjekt() override;

    RequirementDataObjekt(const RequirementDataObjekt&) = delete;
    RequirementDataObjekt& operator=(const RequirementDataObjekt&) = delete;

    // Writes the requirement to a new temporary file and adds its path;
    // false when it could not be written (it is then left out).
    [[nodiscard]] bool importeer(const Requirement& rek);
    // Every one, in order; false when one of them was left out.
    [[nodiscard]] bool importeer(const RequirementLijst& lijst);

    // The project of this running program the data came from; empty for a
    // payload without one.
    const wxString& geefHerkomst() const { return herkomst; }
    // The origin of the project at `projektPad` in this running program:
    // another program, also with the same project file, has another.
    static wxString maakHerkomst(const wxString& projektPad);

    size_t GetDataSize() const override;
    bool GetDataHere(void* buffer) const override;
    // Reads a payload: the file URIs in order (other lines ignored), and the
    // origin. False for a payload that is no UTF-8 text.
    bool SetData(size_t lengte, const void* buffer) override;
    using wxFileDataObject::GetDataHere;
    using wxFileDataObject::GetDataSize;
    using wxFileDataObject::SetData;

private:
    std::string maakLading() const;

    wxString herkomst;
    // The temporary files this object wrote.
    wxArrayString eigenBestanden;
};

#endif
