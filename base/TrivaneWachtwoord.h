#ifndef BASE_TRIVANEWACHTWOORD_H
#define BASE_TRIVANEWACHTWOORD_H

#include "base/TrivaneCRC.h"
#include "base/TrivaneCode.h"
#include "base/TrivaneString.h"

#include <array>

// A short password (at most 14 characters) with the CRC-32 of its field, so
// that a stored or sent copy can be checked when it comes back.
class TrivaneWachtwoord
{
public:
    static constexpr unsigned long long veldGrootte = 15;

    // The text's characters up to its first NUL, at most 14.
    explicit TrivaneWachtwoord(const TrivaneString& tekst);

    // The text's characters up to its end, at most 14; the CRC follows.
    void zet(const TrivaneString& tekst);
    void berekenZetCRC();
    // kcOk when the stored CRC still fits the text, else kcFout.
    [[nodiscard]] TrivaneCode controleerCRC() const;
    [[nodiscard]] TrivaneCode valideer(const TrivaneString& tekst) const;
    // Both the texts and the CRCs must agree.
    [[nodiscard]] TrivaneCode valideer(const TrivaneWachtwoord& ander) const;
    bool operator==(const TrivaneWachtwoord& ander) const;
    const TrivaneCRC& geefCRC() const;

private:
    // The bytes the CRC covers, spelled out rather than taken from memory so
    // that padding never counts: the 15 text bytes, one zero byte and the
    // four bytes of a zero CRC.
    using CRCBlok = std::array<unsigned char, 20>;

    CRCBlok maakCRCBlok() const;
    unsigned int berekenCRC() const;
    TrivaneString tekstView() const;
    void wisTekst();

    char tekst[veldGrootte];
    TrivaneCRC crc;
};

#endif
