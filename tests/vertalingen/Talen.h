#ifndef TESTS_VERTALINGEN_TALEN_H
#define TESTS_VERTALINGEN_TALEN_H

#include "tests/ondersteuning/TestOmgeving.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <wx/language.h>

// The ten languages of the program's language dialog, in its order: the
// parameter of the tests that start the program in each, named by code.
struct Taal
{
    const char* code;
    wxLanguage taal;
};

inline void PrintTo(const Taal& taal, std::ostream* uit)
{
    *uit << taal.code;
}

inline const Taal talen[] = {{"de", wxLANGUAGE_GERMAN},  {"en", wxLANGUAGE_ENGLISH},  {"nl", wxLANGUAGE_DUTCH},
                             {"fr", wxLANGUAGE_FRENCH},  {"it", wxLANGUAGE_ITALIAN},  {"es", wxLANGUAGE_SPANISH},
                             {"sv", wxLANGUAGE_SWEDISH}, {"ja", wxLANGUAGE_JAPANESE}, {"ko", wxLANGUAGE_KOREAN},
                             {"ru", wxLANGUAGE_RUSSIAN}};

inline std::string naamVan(const ::testing::TestParamInfo<Taal>& info)
{
    return info.param.code;
}

// The choice as an earlier start stored it, for the next start.
inline void kiesTaal(wxLanguage taal)
{
    const auto konfig = openKonfigBestand();
    konfig->Write("/Gebruikersinstellingen/Encoding", static_cast<long>(taal));
    konfig->Write("/Operationeel/EersteKeer/TaalGekozen", true);
}

#endif
