// Main of the test programs without windows: wxBase only, no display needed.
#include "tests/ondersteuning/TestOmgeving.h"

#include <wx/init.h>

#include <iostream>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wxInitializer wx(argc, argv);
    if (!wx.IsOk())
    {
        std::cerr << "wxWidgets could not be initialised\n";
        return 2;
    }
    TestOmgeving::installeer();
    return RUN_ALL_TESTS();
}
