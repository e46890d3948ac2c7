#ifndef TOEPASSING_KERN_REQUIREMENTVELD_H
#define TOEPASSING_KERN_REQUIREMENTVELD_H

#include "toepassing/kern/Requirement.h"

#include <array>
#include <cstddef>
#include <wx/datetime.h>
#include <wx/string.h>

class wxSQLite3Statement;

// One stored field of a requirement: its column in the table Requirements,
// its kind, and from that how it is compared, written into SQL, bound to a
// statement, read back and carried in the exchange file. The table of all
// 22 drives the schema, the readers, the change-only update, both inserts
// and the exchange file, so a field is added in one line.
class RequirementVeld
{
public:
    enum Soort
    {
        SoortTekst,
        // A signed 32-bit number: the I.D numbers.
        SoortGeheel,
        // An unsigned 32-bit number: priority and cost.
        SoortNatuurlijk,
        // Status, type and functional type, stored as their number.
        SoortOpsomming,
        // A calendar day, stored as "%Y-%m-%d".
        SoortDatum
    };

    static constexpr size_t aantal = 22;
    using Tabel = std::array<RequirementVeld, aantal>;

    // In the column order of the table (after its row id).
    static const Tabel& alle();
    // In the order of the exchange file, which is that of the record.
    static const std::array<const RequirementVeld*, aantal>& inUitwisselVolgorde();
    // The field of a column; null for a column that is none.
    static const RequirementVeld* geef(const wxString& kolom);
    // The list columns (without the two percentages) as a select list.
    static wxString lijstKolommen();

    // The name of the column, and of the record's field.
    const char* kolom;
    // The column's definition in the table.
    const char* definitie;
    Soort soort;
    // One of the list's eleven columns (the two percentages aside).
    bool inLijst;
    // Written by a change only while the new record is signed off.
    bool alleenAfgetekend;

    // Texts of the column compare without regard to the case of ASCII
    // letters (titles do).
    bool isZonderHoofdletters() const;
    // Whether the two records hold the same value: texts exactly, dates by
    // calendar day.
    bool isGelijk(const Requirement& a, const Requirement& b) const;
    // The value as an SQL literal.
    wxString alsSQL(const Requirement& rek) const;
    void bind(wxSQLite3Statement& opdracht, int index, const Requirement& rek) const;
    // The value as the exchange file writes it, and back; a date that does
    // not read leaves the field as it was.
    wxString alsTekst(const Requirement& rek) const;
    void zetUitTekst(Requirement& rek, const wxString& tekst) const;
    // The value read from the table.
    void zetTekst(Requirement& rek, const wxString& waarde) const;
    // Integer fields keep the low 32 bits of the stored value, so an
    // unsigned field reads the value it stored.
    void zetGetal(Requirement& rek, long long waarde) const;
    void zetDatum(Requirement& rek, const wxDateTime& waarde) const;

    // Where the value lives in the record; one of these is set, by the kind.
    wxString Requirement::*tekst;
    int Requirement::*geheel;
    unsigned int Requirement::*natuurlijk;
    wxDateTime Requirement::*datum;
    int (*geefOpsomming)(const Requirement&);
    void (*zetOpsomming)(Requirement&, int);
    // The position in the exchange file.
    size_t uitwisselPlaats;

private:
    int geefGetal(const Requirement& rek) const;
};

#endif
