// The data of a drag of requirements, without a display: its one format,
// its temporary files, and its payload as the other end of a drag gets it.
#include "tests/ondersteuning/RequirementHulp.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "toepassing/kern/RequirementDataObjekt.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace
{
std::string lading(const RequirementDataObjekt& data)
{
    std::string bytes(data.GetDataSize(), '\0');
    EXPECT_TRUE(data.GetDataHere(bytes.data()));
    return bytes;
}

std::vector<wxString> bestanden(const RequirementDataObjekt& data)
{
    return std::vector<wxString>(data.GetFilenames().begin(), data.GetFilenames().end());
}
} // namespace

TEST(DataObjekt, DeBronSchrijftTijdelijkeBestandenInHetEigenFormaatEnRuimtZeOp)
{
    RequirementLijst lijst;
    for (const int SR : {3, 1, 2})
    {
        Requirement rek = bekendeRequirement();
        rek.SR = SR;
        lijst.Add(rek);
    }
    std::vector<wxString> paden;
    {
        RequirementDataObjekt data(lijst, "origin");
        // Not a plain list of files: a file manager's drag is no requirement.
        ASSERT_EQ(data.GetFormatCount(wxDataObject::Set), 1u);
        EXPECT_EQ(data.GetPreferredFormat().GetId(), "TrivaneVerelTamsoRequirement");
        EXPECT_FALSE(data.IsSupported(wxDataFormat(wxDF_FILENAME), wxDataObject::Set));

        paden = bestanden(data);
        ASSERT_EQ(paden.size(), 3u);
        for (size_t i = 0; i < paden.size(); ++i)
        {
            const wxFileName pad(paden[i]);
            EXPECT_TRUE(pad.GetName().StartsWith("TrivaneTamso")) << paden[i];
            EXPECT_TRUE(wxFileName::DirName(pad.GetPath()).SameAs(wxFileName::DirName(wxFileName::GetTempDir())));
            EXPECT_EQ(alsTekst(Requirement(pad)), alsTekst(lijst[i]));
        }
    }
    // The drag is over, however it ended.
    for (const wxString& pad : paden)
        EXPECT_FALSE(wxFileExists(pad)) << pad;
}

TEST(DataObjekt, DeLadingDraagtBestandenEnHerkomst)
{
    const wxString herkomst = RequirementDataObjekt::maakHerkomst("/home/jan/Kettle.vtd");
    EXPECT_NE(RequirementDataObjekt::maakHerkomst("/home/jan/Tea.vtd"), herkomst);
    EXPECT_FALSE(RequirementDataObjekt::maakHerkomst("/tmp/a\nb.vtd").Contains("\n"));
    // Paths of another program may hold anything a file name can.
    const wxString vreemd = wxString::FromUTF8("/tmp/een map/#1 100% \xc3\xa9\xc3\xa9n;x?y.txt");
    RequirementDataObjekt bron(RequirementLijst{}, herkomst);
    bron.AddFile("/tmp/TrivaneTamsoA");
    bron.AddFile(vreemd);

    const struct
    {
        const char* naam;
        std::string bytes;
        std::vector<wxString> bestanden;
        wxString herkomst;
        bool gelezen;
    } gevallen[] = {
        {"ours", lading(bron), {"/tmp/TrivaneTamsoA", vreemd}, herkomst, true},
        {"a plain URI list", "file:///tmp/a\r\nfile:///home/b%20c.txt\r\n", {"/tmp/a", "/home/b c.txt"}, "", true},
        {"line feeds, other schemes, comments",
         "# note\nhttp://example.org/x\nfile:///tmp/a\n\n",
         {"/tmp/a"},
         "",
         true},
        {"no UTF-8", "file:///tmp/\xff\xfe\r\n", {}, "", false},
    };
    RequirementDataObjekt doel;
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        EXPECT_EQ(doel.SetData(doel.GetFormat(), geval.bytes.size(), geval.bytes.data()), geval.gelezen);
        EXPECT_EQ(bestanden(doel), geval.bestanden);
        EXPECT_EQ(doel.geefHerkomst(), geval.herkomst);
    }
}
