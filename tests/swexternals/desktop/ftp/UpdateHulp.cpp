#include "tests/swexternals/desktop/ftp/UpdateHulp.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

std::string InstallatieOpnemer::leesBestand(const std::filesystem::path& pad)
{
    std::stringstream inhoud;
    inhoud << std::ifstream(pad, std::ios::binary).rdbuf();
    return inhoud.str();
}

std::vector<std::filesystem::path> priveMappen()
{
    std::vector<std::filesystem::path> mappen;
    // Folders only: the program's single-instance lock, a file, lies in the
    // same temporary folder under the same prefix.
    for (const auto& deel : std::filesystem::directory_iterator(testMap()))
        if (deel.is_directory() && deel.path().filename().string().rfind("VerelTamso-", 0) == 0)
            mappen.push_back(deel.path());
    return mappen;
}

void drukAnnuleer(wxProgressDialog& dialoog)
{
    wxWindow* knop = dialoog.FindWindow(wxID_CANCEL);
    ASSERT_NE(knop, nullptr);
    wxCommandEvent klik(wxEVT_BUTTON, wxID_CANCEL);
    klik.SetEventObject(knop);
    knop->GetEventHandler()->ProcessEvent(klik);
}
