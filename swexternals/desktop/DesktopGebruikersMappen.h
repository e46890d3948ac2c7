#ifndef SWEXTERNALS_DESKTOP_DESKTOPGEBRUIKERSMAPPEN_H
#define SWEXTERNALS_DESKTOP_DESKTOPGEBRUIKERSMAPPEN_H

#include <string>
#include <vector>

// The user's download folder, Documents and home folder as the desktop names
// them in its user-dirs file, found without the toolkit. The toolkit's
// standard paths look at each folder on disk, which holds whoever asks for as
// long as a network share takes to answer, and they are not made for other
// threads than the window's. Here the names come from the environment at
// once, with nothing read; the file is read by geefMappen, on whatever thread
// may wait, and no folder itself is touched.
class DesktopGebruikersMappen
{
public:
    // From this process's environment (HOME, XDG_CONFIG_HOME).
    DesktopGebruikersMappen();
    // `thuis` the home folder, `konfigMap` the desktop's configuration folder
    // (empty: the usual one in the home folder).
    DesktopGebruikersMappen(std::string thuis, std::string konfigMap);

    // The download folder, Documents and home, each once. A folder the file
    // does not name is the home folder, as the desktop takes it; whether a
    // named folder is there is left to the caller.
    std::vector<std::string> geefMappen() const;

private:
    // The value of `sleutel` ("XDG_DOWNLOAD_DIR") in the user-dirs file: a
    // full path, else empty.
    std::string leesMap(const std::string& inhoud, const std::string& sleutel) const;
    std::string leesBestand() const;

    std::string thuis;
    std::string konfigMap;
};

#endif
