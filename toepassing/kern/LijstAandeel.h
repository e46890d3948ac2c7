#ifndef TOEPASSING_KERN_LIJSTAANDEEL_H
#define TOEPASSING_KERN_LIJSTAANDEEL_H

#include <wx/string.h>

// One of the two percentages of the requirement list: a requirement's share
// of the weight (priority times cost) of the listed set, counted by its
// status: "Contribution to project (%)" weighs the work done, (1 + status)/5,
// "Progress gain (%)" the work still to do, (4 - status)/4; a status that
// is none of the five counts as the first. Each share lies within 0 to 100,
// and so does their sum over the set, the completion. The view
// RekZicht computes them in SQL; the paged list takes the numerator from
// SQLite and divides here by the weight of the set it read once, in the same
// double arithmetic, so both give the same values.
class LijstAandeel
{
public:
    static const LijstAandeel werkVerricht;
    static const LijstAandeel laagFruit;
    // The weight of one requirement, summed over the listed set.
    static const wxString gewicht;

    // The column of the view RekZicht and of the record.
    wxString kolom;
    // The numerator in SQL: 100.0 times the status factor times the weight.
    wxString teller;
    // The status factor's range: 5 or 4.
    int noemer;

    // The view's column for the set that passes `voorwaarde`.
    wxString alsZichtKolom(const wxString& voorwaarde, const wxString& tabel) const;
    // The share of a numerator in a set of weight `gewichtSom`. False where
    // SQL gives NULL: no numerator, or a set of weight 0.
    bool bereken(bool heeftTeller, double tellerWaarde, double gewichtSom, double& aandeel) const;
};

#endif
