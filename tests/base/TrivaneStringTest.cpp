#include "base/CStringArray.h"
#include "base/TrivaneString.h"
#include "tests/base/TekstHulp.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

TEST(TrivaneString, ViewEindigtBijDeAfsluiterOfHetEindeVanDeTekst)
{
    const TrivaneString abc("abc");
    EXPECT_EQ(abc.geefGrootte(), 4u);
    EXPECT_EQ(abc.geefLengte(), 3u);
    EXPECT_FALSE(abc.isZelfAlloc());
    EXPECT_FALSE(abc.isVeranderbaar());

    const TrivaneString totB("abc", 0, 'b');
    EXPECT_EQ(totB.geefGrootte(), 2u);
    EXPECT_EQ(totB.geefLengte(), 1u);

    // A terminator that does not occur: the view ends with the text, not
    // 65,536 characters further.
    const TrivaneString zonder("abc", 0, '|');
    EXPECT_EQ(zonder.geefGrootte(), 3u);
    EXPECT_EQ(tekstVan(zonder), "abc");

    // An explicit length may end without a terminator.
    const char veld[4] = {'w', 'x', 'y', 'z'};
    const TrivaneString vast(veld, 4);
    EXPECT_EQ(vast.geefLengte(), 4u);
    EXPECT_EQ(vast.laatsteTeken(), 'z');
    EXPECT_EQ(TrivaneString("").laatsteTeken(), '\0');

    const char teken = 'q';
    EXPECT_EQ(tekstVan(TrivaneString(teken)), "q");
}

TEST(TrivaneString, UitEenWxStringWordtAscii)
{
    const TrivaneString straat(wxString::FromUTF8("Stra\xC3\x9F" "e"));
    EXPECT_EQ(tekstVan(straat), "Stra_e");
    EXPECT_TRUE(straat.isZelfAlloc());
    EXPECT_EQ(straat.geefGrootte(), 7u);
    EXPECT_EQ(straat.wxConvert(), "Stra_e");
    EXPECT_EQ(TrivaneString(wxString()).wxConvert(), "");
}

TEST(TrivaneString, KopieVanEenEigenStringHeeftZijnEigenTekst)
{
    std::vector<TrivaneString> lijst;
    {
        TrivaneString eigen(8);
        eigen = "hallo";
        lijst.push_back(eigen);
        eigen = "weg";
    }
    lijst.push_back(lijst.front());
    EXPECT_EQ(tekstVan(lijst[0]), "hallo");
    EXPECT_EQ(tekstVan(lijst[1]), "hallo");
    EXPECT_NE(lijst[0].string(), lijst[1].string());

    // A read-only view assigned from an owner becomes a view, not a second owner.
    TrivaneString view("vast");
    view = lijst[0];
    EXPECT_EQ(view.string(), lijst[0].string());
    EXPECT_FALSE(view.isZelfAlloc());
}

TEST(TrivaneString, KopierenBlijftBinnenDeBuffer)
{
    TrivaneString doel(5);
    doel = "dit past niet";
    EXPECT_EQ(tekstVan(doel), "dit p");
    EXPECT_EQ(doel.geefGrootte(), 6u);

    doel = TrivaneString("veel te lang");
    EXPECT_EQ(tekstVan(doel), "veel ");

    // The copy starts inside and stops at the buffer's end; the terminator
    // takes the last place.
    doel = "ab";
    doel.kopieerString(TrivaneString("XYZ"), 4, 0);
    EXPECT_EQ(std::string(doel.string(), 6), std::string("ab\0lX\0", 6));
    doel.kopieerString(TrivaneString("ZZ"), 99, 0);
    EXPECT_EQ(std::string(doel.string(), 6), std::string("ab\0lX\0", 6));

    // Only the given number of characters, and never more than the source has.
    doel = "";
    doel.kopieerString(TrivaneString("pqrs"), 0, 2);
    EXPECT_EQ(tekstVan(doel), "pq");
    const char vier[4] = {'1', '2', '3', '4'};
    doel.kopieerString(TrivaneString(vier, 2), 0, 4);
    EXPECT_EQ(tekstVan(doel), "12");

    // Copying takes the source's terminator.
    TrivaneString metStreep("a|b", 0, '|');
    doel = metStreep;
    EXPECT_EQ(doel.geefAfsluiter(), '|');
    EXPECT_EQ(tekstVan(doel), "a");
    doel = "klaar";
    EXPECT_EQ(doel.geefAfsluiter(), '\0');

    // A text is copied up to this string's own terminator.
    TrivaneString punt(6);
    punt.zetAfsluiter('.');
    punt.kopieerString("ab.cd", 0);
    EXPECT_EQ(tekstVan(punt), "ab");

    // The known length of a character view bounds the copy.
    const char zonderNul[3] = {'x', 'y', 'z'};
    doel = TrivaneCString(zonderNul, 2);
    EXPECT_EQ(tekstVan(doel), "xy");
    doel.zet(TrivaneCString(zonderNul, 3));
    EXPECT_EQ(tekstVan(doel), "xyz");
}

TEST(TrivaneString, AppendBlijftBinnenDeBuffer)
{
    TrivaneString tekst(6);
    tekst = "abc";
    EXPECT_EQ(tekst.append(TrivaneString("defgh")), 3u);
    EXPECT_EQ(tekstVan(tekst), "abcdef");

    tekst = "ab";
    EXPECT_EQ(tekst.append('-', 100), 2u);
    EXPECT_EQ(tekstVan(tekst), "ab----");
    EXPECT_EQ(tekst.geefBasisAdres()[6], '\0');
    tekst = "ab";
    tekst.append('*', 2);
    EXPECT_EQ(tekstVan(tekst), "ab**");

    // A read-only view is never written.
    char vast[] = "vast";
    TrivaneString view(vast, 0, '\0', false);
    view.append('x', 1);
    view.vervangTeken('a', 'o', true);
    view.allesHoofd();
    view.markeerEinde(0, true);
    EXPECT_STREQ(vast, "vast");
}

TEST(TrivaneString, UitlijnenInEenBufferVanSpaties)
{
    TrivaneString vak(6);
    const TrivaneString ab("ab");
    vak.kopieerString(ab, TrivaneString::Midden);
    EXPECT_EQ(std::string(vak.string(), 7), std::string("  ab  \0", 7));
    vak.kopieerString(ab, TrivaneString::Rechts);
    EXPECT_EQ(std::string(vak.string(), 7), std::string("    ab\0", 7));
    vak.kopieerString(ab, TrivaneString::Links);
    EXPECT_EQ(std::string(vak.string(), 7), std::string("ab    \0", 7));

    // A source longer than the buffer is cut, whatever the alignment.
    const TrivaneString lang("abcdefghij");
    for (auto uitlijning : {TrivaneString::Links, TrivaneString::Midden, TrivaneString::Rechts})
    {
        vak.kopieerString(lang, uitlijning);
        EXPECT_EQ(std::string(vak.string(), 7), std::string("abcdef\0", 7)) << "alignment " << uitlijning;
    }

    // Aligning a string into itself keeps its text.
    vak = "xy";
    vak.kopieerString(vak, TrivaneString::Rechts);
    EXPECT_EQ(tekstVan(vak), "    xy");

    // NULs of the source become spaces with left and centred alignment.
    const char metNul[3] = {'a', '\0', 'b'};
    vak.kopieerString(TrivaneString(metNul, 3, '|'), TrivaneString::Links);
    EXPECT_EQ(tekstVan(vak), "a b   ");
}

TEST(TrivaneString, NaarEenAndereBufferKopieren)
{
    const TrivaneString bron("abcdef");
    char buffer[4];
    bron.kopieerNaarString(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "abc");
    char ruim[10];
    bron.kopieerNaarString(ruim, sizeof ruim);
    EXPECT_STREQ(ruim, "abcdef");
    bron.kopieerNaarString(ruim, 0);

    // Into another string: as many characters as that string holds now.
    TrivaneString doel(8);
    doel = "123";
    bron.kopieerNaarString(doel, 2);
    EXPECT_EQ(tekstVan(doel), "cde");
    doel = "1234567";
    bron.kopieerNaarString(doel, 4);
    EXPECT_EQ(tekstVan(doel), "ef");
    doel = "1234567";
    bron.kopieerNaarString(doel, 6);
    EXPECT_EQ(tekstVan(doel), "");
}

TEST(TrivaneString, ZoekenVindtIndexEnStukken)
{
    const TrivaneString hallo("hello");
    EXPECT_EQ(hallo.vindIndex('l', TrivaneString::Vooruit), 2u);
    EXPECT_EQ(hallo.vindIndex('l', TrivaneString::Achteruit), 3u);
    EXPECT_EQ(hallo.vindIndex('l', static_cast<TrivaneString::Richting>(9)), 3u);
    EXPECT_EQ(hallo.vindIndex('z', TrivaneString::Vooruit), TrivaneString::nietGevonden);
    EXPECT_EQ(TrivaneString("").vindIndex('a', TrivaneString::Achteruit), TrivaneString::nietGevonden);

    EXPECT_EQ(tekstVan(hallo.vind('l', TrivaneString::Achteruit)), "lo");
    EXPECT_EQ(tekstVan(hallo.vind('z', TrivaneString::Vooruit)), "NIET gevonden");
    EXPECT_EQ(tekstVan(hallo.vindTot('l', TrivaneString::Vooruit)), "he");
    EXPECT_EQ(tekstVan(hallo.vindTot('h', TrivaneString::Vooruit)), "hello");
    EXPECT_EQ(tekstVan(hallo.vindTot('q', TrivaneString::Vooruit)), "NIET gevonden");

    // In a buffer without a NUL what is found stops at the buffer's end.
    const char veld[3] = {'a', 'b', 'c'};
    const TrivaneString vast(veld, 3);
    const TrivaneString stuk = vast.vind('b', TrivaneString::Vooruit);
    EXPECT_EQ(tekstVan(stuk), "bc");
    EXPECT_LE(stuk.string() + stuk.geefGrootte(), veld + 3);

    unsigned long long positie = 77;
    const TrivaneString pad("map/sub/bestand");
    EXPECT_EQ(tekstVan(pad.vindTot(0, '/', positie)), "map/");
    EXPECT_EQ(positie, 3u);
    EXPECT_EQ(tekstVan(pad.vindTot(4, '/', positie)), "sub/");
    EXPECT_EQ(positie, 7u);
    EXPECT_EQ(tekstVan(pad.vindTot(8, '/', positie)), "bestand");
    EXPECT_EQ(positie, 7u);
    EXPECT_EQ(pad.vindTot(15, '/', positie).geefLengte(), 0u);
    EXPECT_EQ(pad.vindTot(~0ULL, '/', positie).geefLengte(), 0u);
}

TEST(TrivaneString, BevatEnBegintMetAanDeGrenzen)
{
    const TrivaneString wereld("hello world");
    EXPECT_TRUE(wereld.bevat("lo w"));
    EXPECT_FALSE(wereld.bevat("hello world!"));
    EXPECT_TRUE(wereld.bevat("hello world"));
    EXPECT_TRUE(wereld.bevat(""));
    EXPECT_TRUE(wereld.bevat('w'));
    EXPECT_FALSE(wereld.bevat('W'));

    EXPECT_TRUE(wereld.begintMet(TrivaneString("world"), 6));
    EXPECT_FALSE(wereld.begintMet(TrivaneString("world!"), 6));
    EXPECT_FALSE(wereld.begintMet(TrivaneString("d"), 11));
    EXPECT_FALSE(wereld.begintMet(TrivaneString("d"), ~0ULL));
    EXPECT_TRUE(wereld.begintMet(TrivaneString(""), 50));

    // A view of part of a string looks only at that part.
    const TrivaneString deel(wereld, 0, 5);
    EXPECT_EQ(tekstVan(deel), "hello");
    EXPECT_FALSE(deel.bevat("o w"));
    EXPECT_EQ(TrivaneString(wereld, 6, 100).geefGrootte(), 6u);
    EXPECT_EQ(TrivaneString(wereld, 12, 3).string(), nullptr);
}

TEST(TrivaneString, SoortenTekens)
{
    struct Geval
    {
        const char* tekst;
        bool alfabet, afdrukbaar, binair, decimaal, hexa;
    };
    for (Geval geval : {Geval{"", true, true, true, true, true}, Geval{"Abc", true, true, false, false, true},
                        Geval{"0110", false, true, true, true, true}, Geval{"09", false, true, false, true, true},
                        Geval{"fF0", false, true, false, false, true}, Geval{"a b", false, true, false, false, false},
                        Geval{"\t", false, false, false, false, false}, Geval{"Abg", true, true, false, false, false}})
    {
        const TrivaneString tekst(geval.tekst);
        EXPECT_EQ(tekst.bevatSlechtsAlfabet(), geval.alfabet) << geval.tekst;
        EXPECT_EQ(tekst.bevatSlechtsAfdrukbaar(), geval.afdrukbaar) << geval.tekst;
        EXPECT_EQ(tekst.bevatSlechtsBinair(), geval.binair) << geval.tekst;
        EXPECT_EQ(tekst.bevatSlechtsDecimaal(), geval.decimaal) << geval.tekst;
        EXPECT_EQ(tekst.bevatSlechtsHexaDecimaal(), geval.hexa) << geval.tekst;
    }
}

TEST(TrivaneString, VergelijkenMetEnZonderHoofdletters)
{
    const TrivaneString abc("Abc");
    EXPECT_TRUE(abc.vergelijk("aBC", false));
    EXPECT_FALSE(abc.vergelijk("aBC", true));
    EXPECT_FALSE(abc == "aBC");
    EXPECT_TRUE(abc == "Abc");
    EXPECT_TRUE(abc != "Abcd");
    EXPECT_TRUE(abc == 'A');
    EXPECT_FALSE(abc.vergelijk("abcd", false));
    EXPECT_TRUE(abc.vergelijk(TrivaneString("ABC"), false));

    // The difference is that of the characters as they are.
    EXPECT_EQ(abc.mstrcmp(TrivaneString("Abd"), true), 'c' - 'd');
    EXPECT_EQ(abc.mstrcmp(TrivaneString("aBD"), false), 'c' - 'D');
    EXPECT_EQ(abc.mstrcmp(TrivaneString("Ab"), true), 'c');
    EXPECT_EQ(abc.mstrcmp(TrivaneString("Abcd"), true), -'d');

    // Views without a NUL are compared within their own length.
    const char links[3] = {'x', 'y', 'z'};
    const char rechts[2] = {'x', 'y'};
    EXPECT_EQ(TrivaneString(links, 2).mstrcmp(TrivaneString(rechts, 2), true), 0);
    EXPECT_EQ(TrivaneString(links, 3).mstrcmp(TrivaneString(rechts, 2), true), 'z');
}

TEST(TrivaneString, HoofdlettersEnVervangen)
{
    TrivaneString tekst(10);
    tekst = "Hallo 1x";
    tekst.allesHoofd();
    EXPECT_EQ(tekstVan(tekst), "HALLO 1X");
    tekst.allesKlein();
    EXPECT_EQ(tekstVan(tekst), "hallo 1x");
    EXPECT_EQ(tekst.vervangTeken('l', 'L', false), 1u);
    EXPECT_EQ(tekstVan(tekst), "haLlo 1x");
    EXPECT_EQ(tekst.vervangTeken('l', 'L', true), 1u);
    EXPECT_EQ(tekst.vervangTeken('q', 'L', true), 0u);

    tekst.zetAfsluiter('#');
    tekst.markeerEinde(2, false);
    EXPECT_EQ(tekstVan(tekst), "ha");
    tekst.markeerAllesTotEinde();
    EXPECT_EQ(tekst.geefBasisAdres()[10], '#');
    EXPECT_EQ(tekstVan(tekst), "ha");
    tekst.markeerEinde(99, true);
    tekst.zetAfsluiter('\0');
    tekst.markeerEinde();
    EXPECT_EQ(tekst.geefBasisAdres()[10], '\0');
    tekst.markeerEinde(1, true);
    EXPECT_EQ(tekstVan(tekst), "h");
}

TEST(TrivaneString, GetallenLezen)
{
    EXPECT_EQ(TrivaneString("ff").naarInt32(), 255);
    EXPECT_EQ(TrivaneString("-12").naarInt32(), -12);
    EXPECT_EQ(TrivaneString("10").naarUInt32(), 10u);
    EXPECT_EQ(TrivaneString("12ab").naarUInt32(), 0x12abu);
    EXPECT_EQ(TrivaneString("42 km").naarUInt32(), 42u);
    EXPECT_EQ(TrivaneString("").naarInt32(), 0);
    // A view without a NUL is read within its length only.
    const char cijfers[3] = {'1', '2', '3'};
    EXPECT_EQ(TrivaneString(cijfers, 2).naarInt32(), 12);

    EXPECT_FLOAT_EQ(TrivaneString("-3,25").naarFloat(','), -3.25f);
    EXPECT_FLOAT_EQ(TrivaneString("+7.5").naarFloat('.'), 7.5f);
    // Characters are not checked: "." counts as the digit -2 here.
    EXPECT_FLOAT_EQ(TrivaneString("7.5").naarFloat(','), 685.0f);

    const TrivaneString digits("09afz");
    const int verwacht[] = {0, 9, 10, 15, 35};
    for (unsigned long long i = 0; i < 5; ++i)
        EXPECT_EQ(digits.digitNaarDecimaal(i), verwacht[i]) << "index " << i;
    EXPECT_EQ(digits.digitNaarDecimaal(99), 0);
}

TEST(TrivaneString, GetallenSchrijvenMetItoa)
{
    struct Geval
    {
        int waarde;
        int basis;
        const char* verwacht;
    };
    char buffer[40];
    for (Geval geval : {Geval{-255, 16, "-ff"}, Geval{255, 1, ""}, Geval{255, 37, ""}, Geval{0, 10, "0"},
                        Geval{35, 36, "z"}, Geval{INT_MIN, 10, "-2147483648"}, Geval{INT_MAX, 10, "2147483647"},
                        Geval{INT_MIN, 2, "-10000000000000000000000000000000"}, Geval{-1, 16, "-1"}})
    {
        EXPECT_STREQ(TrivaneString::itoa(geval.waarde, buffer, geval.basis, sizeof buffer), geval.verwacht)
            << geval.waarde << " in base " << geval.basis;
    }

    // A number that does not fit is not written cut short.
    char klein[4] = {'?', '?', '?', '?'};
    EXPECT_STREQ(TrivaneString::itoa(-100, klein, 10, 4), "");
    EXPECT_EQ(klein[1], '?');
    EXPECT_STREQ(TrivaneString::itoa(-99, klein, 10, 4), "-99");

    TrivaneString tekst(3);
    EXPECT_STREQ(tekst.itoa(123, 10), "123");
    EXPECT_STREQ(tekst.itoa(1234, 10), "");
}

TEST(TrivaneString, HexCijfersVoorUnicode)
{
    TrivaneString tekst(8);
    tekst = "........";
    tekst.naarUnicode(0xABCD0000u, 4, 0);
    EXPECT_EQ(tekstVan(tekst), "A.B.C.D.");
    // At most the eight nibbles of the word, and never past the buffer.
    tekst = "........";
    tekst.naarUnicode(0x12345678u, 20, 4);
    EXPECT_EQ(std::string(tekst.string(), 9), "....1.2.3");
}

TEST(TrivaneString, TekenRijEnKetens)
{
    const TrivaneString hallo("hallo");
    const TrivaneCString view = hallo.cstring(1);
    EXPECT_EQ(view.geefLengte(), 4u);
    EXPECT_EQ(view[0], 'a');
    EXPECT_EQ(view[4], '\0');
    EXPECT_EQ(view[400], '\0');
    EXPECT_TRUE(TrivaneCString("allo") == view);
    EXPECT_FALSE(TrivaneCString("allo!") == view);
    EXPECT_TRUE(TrivaneCString("al") == view);
    EXPECT_TRUE(TrivaneCString("ALLO") != view);

    EXPECT_EQ(tekstVan(TrivaneCString("abc").convert(true)), "abc");
    EXPECT_EQ(TrivaneCString("abc").convert(true).geefGrootte(), 4u);
    EXPECT_EQ(TrivaneCString("abc", 2).convert(false).geefGrootte(), 2u);
    EXPECT_EQ(TrivaneCString("abc", 0).convert(false).geefGrootte(), 4u);
    EXPECT_EQ(tekstVan(TrivaneString(TrivaneCString("xyz"))), "xyz");
    EXPECT_EQ(TrivaneCString(TrivaneString("hoi")).geefLengte(), 3u);

    // The text of a chain is that of every packet in turn.
    char eerste[] = "Ver";
    char tweede[] = "el";
    TrivaneDataPakket<char> staart(tweede, 3, 1, false);
    TrivaneDataPakket<char> kop(eerste, 3, 1, false, &staart);
    const TrivaneString keten(kop, '\0');
    EXPECT_EQ(keten.wxConvert(), "Verel");
    EXPECT_EQ(*keten.string(3), 'e');
    EXPECT_EQ(*keten.string(0, 1), 'e');
    EXPECT_EQ(keten.string(9), nullptr);
    EXPECT_EQ(keten.string(0, 5), nullptr);

    TrivaneCString lijst[3] = {"a", "b", "c"};
    CStringArray rij(lijst, 3, 2);
    rij.zetAantal(1);
    EXPECT_EQ(rij.geefAantal(), 2u);
    rij.zetAantal(3);
    EXPECT_EQ(rij.geefAantal(), 3u);
}
