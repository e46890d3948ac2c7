// The exchange-file reader against whatever bytes a file may hold: it must
// come back (no hang, no crash, nothing undefined), and whatever it reads,
// the writer writes so that it reads back the same.
#include "tests/toepassing/kern/fuzz/FuzzOmgeving.h"
#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementVeld.h"

#include <cstddef>
#include <cstdint>
#include <wx/filename.h>

namespace
{
// A record whose dates do not depend on the day the fuzzer runs.
Requirement basis()
{
    Requirement rek;
    rek.datum = wxDateTime(1, wxDateTime::Jan, 2020);
    rek.afgetekendDatum = wxDateTime(1, wxDateTime::Jan, 2021);
    return rek;
}

void vergelijk(const Requirement& gelezen, const Requirement& terug)
{
    for (const RequirementVeld& veld : RequirementVeld::alle())
        if (!veld.isGelijk(gelezen, terug) || veld.alsTekst(gelezen) != veld.alsTekst(terug))
            FuzzOmgeving::faal(wxString("the field ") + veld.kolom + " reads back as " +
                               FuzzOmgeving::toon(veld.alsTekst(terug)) + " where it was " +
                               FuzzOmgeving::toon(veld.alsTekst(gelezen)));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzOmgeving::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t grootte)
{
    const wxFileName invoer(FuzzOmgeving::pad("invoer.txt"));
    const wxFileName uitvoer(FuzzOmgeving::pad("uitvoer.txt"));
    FuzzOmgeving::schrijf(invoer.GetFullPath(), data, grootte);
    Requirement gelezen = basis();
    if (gelezen.leesVanDisk(invoer) != 0)
        return 0;
    if (gelezen.bewaarOpDisk(uitvoer) != 0)
        FuzzOmgeving::faal("what was read could not be written");
    Requirement terug = basis();
    if (terug.leesVanDisk(uitvoer) != 0)
        FuzzOmgeving::faal("what was written could not be read back");
    vergelijk(gelezen, terug);
    return 0;
}
