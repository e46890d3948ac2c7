#ifndef SWEXTERNALS_DESKTOP_DESKTOPPAKKETHANDTEKENING_H
#define SWEXTERNALS_DESKTOP_DESKTOPPAKKETHANDTEKENING_H

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <wx/string.h>

// The detached signature of a package, as the minisign tool writes it beside
// the package (name.minisig): Ed25519 over the BLAKE2b-512 hash of the file,
// and a second signature over the first and the trusted comment, which names
// what was signed. Checked against the maker's public key, also as minisign
// writes it. Only the hashed form is taken: it is what minisign makes.
class DesktopPakketHandtekening
{
public:
    enum class Oordeel
    {
        Goed,
        GeenSleutel,   // the public key given is not one
        Onleesbaar,    // not a signature in the expected form
        AndereSleutel, // made with another key
        KloptNiet,     // the file or the trusted comment is not what was signed
        AnderPakket,   // a good signature of another file or version
        Onbereikbaar,  // the file could not be read
        Gestopt,       // the check was asked to stop
    };

    // The public key: its base64 line, with or without minisign's comment
    // line before it.
    explicit DesktopPakketHandtekening(const wxString& publiekeSleutel);

    bool isSleutelGeldig() const { return sleutelGeldig; }
    // Reads the signature file's text: Goed when it is a signature of this
    // key (not yet checked against anything).
    [[nodiscard]] Oordeel lees(const std::string& tekst);
    // After lees: whether `bestand` is what was signed, and the trusted
    // comment names it (a field "file:" + `naam`) and the version (a field
    // "version:" + `versie`). `gestopt` is asked between pieces of the file.
    [[nodiscard]] Oordeel controleer(const wxString& bestand, const wxString& naam, const wxString& versie,
                                     const std::function<bool()>& gestopt) const;

    const std::string& geefVertrouwdCommentaar() const { return vertrouwdCommentaar; }

private:
    using SleutelId = std::array<unsigned char, 8>;

    [[nodiscard]] bool berekenHash(const wxString& bestand, std::array<unsigned char, 64>& hash,
                                   const std::function<bool()>& gestopt, bool& afgebroken) const;
    bool noemt(const wxString& veld) const;

    bool sleutelGeldig = false;
    SleutelId sleutelId{};
    std::array<unsigned char, 32> sleutel{};
    bool gelezen = false;
    std::array<unsigned char, 64> handtekening{};
    std::array<unsigned char, 64> globaleHandtekening{};
    std::string vertrouwdCommentaar;
};

#endif
