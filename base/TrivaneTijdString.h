#ifndef BASE_TRIVANETIJDSTRING_H
#define BASE_TRIVANETIJDSTRING_H

#include "base/TrivaneString.h"
#include "base/TrivaneTijd.h"

// The printed form of a date-time (05-03-2024 14:07:09) in buffers of its
// own. The date-time is not owned: it must outlive this text.
class TrivaneTijdString : public TrivaneString
{
public:
    static constexpr unsigned int bufferGrootte = 20;
    static constexpr unsigned int datumGrootte = 12;
    static constexpr unsigned int tijdGrootte = 10;

    // Prints nothing yet.
    TrivaneTijdString(const TrivaneTijd& tijd, char datumScheiding, char tijdScheiding, bool metSeconden);
    // A date-time that ends with the statement cannot be printed later.
    TrivaneTijdString(const TrivaneTijd&& tijd, char datumScheiding, char tijdScheiding, bool metSeconden) = delete;
    // The copy prints into buffers of its own.
    TrivaneTijdString(const TrivaneTijdString& ander);
    TrivaneTijdString& operator=(const TrivaneTijdString&) = delete;

    // Prints date and time now; the text handed back owns its characters. A
    // year before -999 with seconds does not fit and is cut at the end.
    TrivaneString formatPrint();

private:
    char buffer[bufferGrootte];
    const TrivaneTijd& tijd;
    char datumScheiding;
    char tijdScheiding;
    bool metSeconden;
    char datumBuffer[datumGrootte];
    char tijdBuffer[tijdGrootte];
    TrivaneString datumTekst;
    TrivaneString tijdTekst;
};

#endif
