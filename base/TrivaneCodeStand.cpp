#include "base/TrivaneCodeStand.h"

#include "base/TrivaneTaal.h"

const char* const TrivaneCodeStand::strings[7] = {"Ok",        "Waarschuwing", "Fout",           "Ernstig",
                                                  "Rampzalig", "Onbekend",     "ReserveFoutCode"};
const char* const TrivaneCodeStand::engelseStrings[7] = {
    "Ok", "Warning", "Error", "Serious Error", "Disastrous Error", "Unknown", "Reserve"};
const char* const TrivaneCodeStand::korteStrings[7] = {"Ok", "Warn", "Fout", "Erns", "Ramp", "Obkd", "Res"};

TrivaneCodeStand::TrivaneCodeStand(TrivaneCode code) : code(code) {}

TrivaneCodeStand::TrivaneCodeStand(bool gelukt) : code(convertBool(gelukt)) {}

TrivaneCode TrivaneCodeStand::convertBool(bool gelukt)
{
    return gelukt ? kcOk : kcFout;
}

TrivaneCodeStand& TrivaneCodeStand::operator=(TrivaneCode nieuw)
{
    code = nieuw;
    return *this;
}

TrivaneCodeStand& TrivaneCodeStand::operator=(bool gelukt)
{
    code = convertBool(gelukt);
    return *this;
}

bool TrivaneCodeStand::operator==(TrivaneCode ander) const
{
    return code == ander;
}

TrivaneCode TrivaneCodeStand::kcStand() const
{
    return code;
}

bool TrivaneCodeStand::boolStand() const
{
    return code == kcOk;
}

TrivaneString TrivaneCodeStand::print() const
{
    const unsigned int index = code <= kcReserve ? code : kcOnbekend;
    const char* tekst = TrivaneString::geefTaal() == TaalNederlands ? strings[index] : engelseStrings[index];
    return TrivaneString(tekst, 0, '\0', false);
}

wxString TrivaneCodeStand::wxPrint() const
{
    const TrivaneString tekst = print();
    return wxString::FromAscii(tekst.string(), tekst.geefLengte());
}
