// The data of a drag of requirements, without a display: its one format,
// its temporary files, and its payload as the other end of a drag gets it.
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/toepassing/kern/RequirementHulp.h"
#include "toepassing/kern/RequirementDataObjekt.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace
{
const wxString herkomst = RequirementDataObjekt::maakHerkomst("/home/jan/Kettle.vtd");

Requirement metTitel(const wxString& naam, int SR)
{
    Requirement rek = bekendeRequirement();
    rek.naam = naam;
    rek.SR = SR;
    return rek;
}

std::string lading(const RequirementDataObjekt& data)
{
    std::string bytes(data.GetDataSize(), '\0');
    EXPECT_TRUE(data.GetDataHere(bytes.data()));
    return bytes;
}

bool laad(RequirementDataObjekt& data, const std::string& bytes)
{
    return data.SetData(data.GetFormat(), bytes.size(), bytes.data());
}
} // namespace

TEST(DataObjekt, BiedtEnNeemtAlleenHetEigenFormaat)
{
    RequirementDataObjekt data;
    ASSERT_EQ(data.GetFormatCount(wxDataObject::Get), 1u);
    ASSERT_EQ(data.GetFormatCount(wxDataObject::Set), 1u);
    EXPECT_EQ(data.GetPreferredFormat().GetId(), "TrivaneVerelTamsoRequirement");
    EXPECT_TRUE(data.IsSupported(wxDataFormat("TrivaneVerelTamsoRequirement"), wxDataObject::Set));
    // Not a plain list of files: a file manager's drag is no requirement.
    EXPECT_FALSE(data.IsSupported(wxDataFormat(wxDF_FILENAME), wxDataObject::Set));
    EXPECT_FALSE(data.IsSupported(wxDataFormat(wxDF_UNICODETEXT), wxDataObject::Set));
}

TEST(DataObjekt, DeBronSchrijftElkeRequirementInEenTijdelijkBestandEnRuimtZeOp)
{
    RequirementLijst lijst;
    lijst.Add(metTitel("Boil", 3));
    lijst.Add(metTitel("Pour", 1));
    lijst.Add(metTitel("Serve", 2));
    wxArrayString bestanden;
    {
        RequirementDataObjekt data(lijst, herkomst);
        bestanden = data.GetFilenames();
        ASSERT_EQ(bestanden.GetCount(), 3u);
        for (size_t i = 0; i < lijst.GetCount(); ++i)
        {
            const wxFileName pad(bestanden[i]);
            EXPECT_TRUE(pad.GetName().StartsWith("TrivaneTamso")) << pad.GetFullPath();
            EXPECT_TRUE(wxFileName::DirName(pad.GetPath()).SameAs(wxFileName::DirName(wxFileName::GetTempDir())));
            // In the order of the list, every field as it was.
            EXPECT_EQ(alsTekst(Requirement(pad)), alsTekst(lijst[i]));
        }
        EXPECT_EQ(data.geefHerkomst(), herkomst);
    }
    // The drag is over, however it ended.
    for (const wxString& bestand : bestanden)
        EXPECT_FALSE(wxFileExists(bestand)) << bestand;
}

TEST(DataObjekt, DeLadingKomtAanMetBestandenEnHerkomst)
{
    // Paths of another program may hold anything a file name can.
    RequirementDataObjekt bron(RequirementLijst(), herkomst);
    const wxString vreemd = wxString::FromUTF8("/tmp/een map/#1 100% \xc3\xa9\xc3\xa9n;x?y.txt");
    bron.AddFile("/tmp/TrivaneTamsoA");
    bron.AddFile(vreemd);
    const std::string bytes = lading(bron);
    EXPECT_EQ(bytes.rfind("#TrivaneVerelTamsoRequirement ", 0), 0u) << bytes;

    RequirementDataObjekt doel;
    ASSERT_TRUE(laad(doel, bytes));
    ASSERT_EQ(doel.GetFilenames().GetCount(), 2u);
    EXPECT_EQ(doel.GetFilenames()[0], "/tmp/TrivaneTamsoA");
    EXPECT_EQ(doel.GetFilenames()[1], vreemd);
    EXPECT_EQ(doel.geefHerkomst(), herkomst);

    // A second payload replaces the first.
    RequirementDataObjekt leeg(RequirementLijst{}, wxString{});
    ASSERT_TRUE(laad(doel, lading(leeg)));
    EXPECT_TRUE(doel.GetFilenames().IsEmpty());
    EXPECT_TRUE(doel.geefHerkomst().empty());
}

TEST(DataObjekt, EenVreemdeLadingHeeftGeenHerkomst)
{
    const struct
    {
        const char* naam;
        std::string bytes;
        std::vector<wxString> bestanden;
        bool gelezen;
    } gevallen[] = {
        {"a plain URI list", "file:///tmp/a\r\nfile:///home/jan/b%20c.txt\r\n", {"/tmp/a", "/home/jan/b c.txt"}, true},
        {"line feeds only, other schemes and comments",
         "# a comment\nhttp://example.org/x\nfile:///tmp/a\n\n",
         {"/tmp/a"},
         true},
        {"no UTF-8", "file:///tmp/\xff\xfe\r\n", {}, false},
    };
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        RequirementDataObjekt doel;
        EXPECT_EQ(laad(doel, geval.bytes), geval.gelezen);
        EXPECT_EQ(std::vector<wxString>(doel.GetFilenames().begin(), doel.GetFilenames().end()), geval.bestanden);
        EXPECT_TRUE(doel.geefHerkomst().empty());
    }
}

TEST(DataObjekt, DeOntvangerLaatDeBestandenStaan)
{
    const wxString pad = wxString(testMap().string()) + "/van iemand anders.txt";
    ASSERT_TRUE(wxFFile(pad, "wb").Write("keep me"));
    {
        RequirementDataObjekt doel;
        ASSERT_TRUE(laad(doel, std::string(wxFileName::FileNameToURL(wxFileName(pad)).utf8_str()) + "\r\n"));
        ASSERT_EQ(doel.GetFilenames().GetCount(), 1u);
    }
    EXPECT_TRUE(wxFileExists(pad));
}

TEST(DataObjekt, DeHerkomstNoemtProjektEnProgramma)
{
    EXPECT_EQ(RequirementDataObjekt::maakHerkomst("/home/jan/Kettle.vtd"), herkomst);
    EXPECT_NE(RequirementDataObjekt::maakHerkomst("/home/jan/Tea.vtd"), herkomst);
    EXPECT_NE(RequirementDataObjekt::maakHerkomst(":memory:"), herkomst);
    // One line of the payload, whatever the path.
    EXPECT_FALSE(RequirementDataObjekt::maakHerkomst("/tmp/a\nb\rc.vtd").Contains("\n"));
    EXPECT_FALSE(RequirementDataObjekt::maakHerkomst("/tmp/a\nb\rc.vtd").Contains("\r"));
}
