#ifndef TOEPASSING_KERN_SQLWAARDE_H
#define TOEPASSING_KERN_SQLWAARDE_H

#include <wx/datetime.h>
#include <wx/string.h>

class wxSQLite3Statement;

// How a field of a requirement is written into SQL text or bound to a
// statement, the same way by every operation that stores one.
class SQLWaarde
{
public:
    SQLWaarde() = delete;

    // A literal between single quotes, its own quotes doubled.
    static wxString tekst(const wxString& waarde);
    // The quoted ISO date; "null" for a date that is not valid, so a missing
    // or unreadable date stays missing and never becomes a nonsense date.
    static wxString datum(const wxDateTime& waarde);
    static wxString geheel(int waarde);
    // Unsigned fields keep their whole range: never written as negative.
    static wxString geheel(unsigned int waarde);

    static void bindDatum(wxSQLite3Statement& opdracht, int index, const wxDateTime& waarde);
    static void bindGeheel(wxSQLite3Statement& opdracht, int index, unsigned int waarde);

    // Whether two dates name the same calendar day (local time); two dates
    // that are both not valid are the same, one valid and one not are not.
    static bool zelfdeDag(const wxDateTime& a, const wxDateTime& b);
};

#endif
