#ifndef SWEXTERNALS_DESKTOP_TRIVANERICHDROPINFO_H
#define SWEXTERNALS_DESKTOP_TRIVANERICHDROPINFO_H

// Where the last text or picture was dropped on a rich-text field, and
// whether it was to be copied (the Ctrl key was down) rather than moved.
struct TrivaneRichDropInfo
{
    TrivaneRichDropInfo(int x, int y, bool kopie, bool vlag2, bool vlag3, bool vlag4)
        : x(x), y(y), kopie(kopie), vlag2(vlag2), vlag3(vlag3), vlag4(vlag4), vrij(false)
    {
    }

    int x;
    int y;
    bool kopie : 1;
    // Kept for the record's users; nothing reads them.
    bool vlag2 : 1;
    bool vlag3 : 1;
    bool vlag4 : 1;
    bool vrij : 1;
};

#endif
