// The stand-in for the original platform's relaunch: the program is started
// as it stands, without a shell.
#include "swexternals/desktop/platform/Platform.h"

#include "tests/ondersteuning/TestOmgeving.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;

TEST(Platform, EenProgrammaStartOpnieuwAlsEigenProces)
{
    // A folder with a blank and a quote: a shell would have split or broken it.
    const fs::path map = testMap() / "mijn \"programma's\"";
    fs::create_directories(map);
    const fs::path programma = map / "VerelTamso";
    std::ofstream(programma) << "#!/bin/sh\necho gestart > \"$(dirname \"$0\")/teken\"\n";
    fs::permissions(programma, fs::perms::owner_all);

    ASSERT_TRUE(Platform::startOpnieuw(wxString::FromUTF8(programma.string())));
    const fs::path teken = map / "teken";
    for (int poging = 0; poging < 200 && !fs::exists(teken); ++poging)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(fs::exists(teken));

    EXPECT_FALSE(Platform::startOpnieuw(wxString::FromUTF8((map / "bestaat-niet").string())));
    EXPECT_FALSE(Platform::startOpnieuw(wxString()));
}
