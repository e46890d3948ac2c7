#!/usr/bin/env python3
"""Compiles the program's images into one C++ source of byte arrays.

Reads the list of resources (one per line: relative name, source, options),
takes each image from a Debian icon or flag package, pads it to the size it is
shown at, or draws it here where no package has one, and writes the bytes with
a table that finds them by their relative name.
"""
import io
import math
import sys

from PIL import Image, ImageDraw, ImageFont

LETTER = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
LETTER_GEWOON = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
PAARS = (128, 0, 128)
GOUD = (230, 180, 30)


def letter(grootte, vet=True):
    return ImageFont.truetype(LETTER if vet else LETTER_GEWOON, grootte)


def verloop(breedte, hoogte, boven, onder):
    beeld = Image.new("RGB", (breedte, hoogte))
    teken = ImageDraw.Draw(beeld)
    for y in range(hoogte):
        f = y / max(1, hoogte - 1)
        kleur = tuple(int(boven[i] + (onder[i] - boven[i]) * f) for i in range(3))
        teken.line([(0, y), (breedte, y)], fill=kleur)
    return beeld


def logo(grootte):
    """The product's mark: a gold "V" with a tick on a purple tile."""
    beeld = Image.new("RGB", (grootte, grootte), PAARS)
    teken = ImageDraw.Draw(beeld)
    r = grootte // 8
    teken.rounded_rectangle([r // 2, r // 2, grootte - r // 2, grootte - r // 2], radius=r, outline=GOUD,
                            width=max(1, grootte // 24))
    teken.text((grootte / 2, grootte / 2), "V", font=letter(int(grootte * 0.6)), fill=GOUD, anchor="mm")
    return beeld


def plons():
    """The splash picture: the product name over a calm gradient."""
    beeld = verloop(480, 300, (70, 0, 90), (170, 60, 190))
    teken = ImageDraw.Draw(beeld)
    beeld.paste(logo(96), (40, 40))
    teken.text((156, 60), "VerelTamso", font=letter(44), fill=GOUD)
    teken.text((158, 116), "Requirements engineering", font=letter(18, False), fill=(255, 255, 255))
    teken.line([(40, 170), (440, 170)], fill=GOUD, width=2)
    teken.text((40, 190), "Trivane Embedded Systemen", font=letter(16, False), fill=(230, 230, 230))
    return beeld


def maker_logo(grootte):
    beeld = Image.new("RGB", (grootte, grootte), (20, 60, 120))
    teken = ImageDraw.Draw(beeld)
    teken.text((grootte / 2, grootte / 2), "T", font=letter(int(grootte * 0.7)), fill=(255, 255, 255), anchor="mm")
    return beeld


def papiergeld():
    beeld = verloop(200, 90, (120, 170, 110), (60, 110, 60))
    teken = ImageDraw.Draw(beeld)
    teken.rectangle([6, 6, 193, 83], outline=(230, 240, 220), width=3)
    teken.ellipse([70, 15, 130, 75], outline=(230, 240, 220), width=3)
    teken.text((100, 45), "100", font=letter(20), fill=(240, 250, 230), anchor="mm")
    return beeld


def uil(grootte):
    """A small owl: brown body with ear tufts, two big eyes and a beak."""
    beeld = Image.new("RGBA", (grootte, grootte), (0, 0, 0, 0))
    teken = ImageDraw.Draw(beeld)
    bruin = (140, 95, 55, 255)
    g = grootte / 16
    teken.polygon([(2 * g, 1 * g), (5 * g, 4 * g), (2 * g, 5 * g)], fill=bruin)
    teken.polygon([(14 * g, 1 * g), (11 * g, 4 * g), (14 * g, 5 * g)], fill=bruin)
    teken.ellipse([2 * g, 3 * g, 14 * g, 16 * g - 1], fill=bruin)
    for x in (3 * g, 8.5 * g):
        teken.ellipse([x, 5 * g, x + 4.5 * g, 9.5 * g], fill=(255, 255, 255, 255))
        teken.ellipse([x + 1.5 * g, 6.5 * g, x + 3 * g, 8 * g], fill=(0, 0, 0, 255))
    teken.polygon([(7 * g, 9.5 * g), (9 * g, 9.5 * g), (8 * g, 12 * g)], fill=(240, 160, 30, 255))
    return beeld


def bitcoin(breedte, hoogte):
    """A flag for the currency that has no country: a white B with its two strokes on bitcoin orange."""
    beeld = Image.new("RGB", (breedte, hoogte), (247, 147, 26))
    teken = ImageDraw.Draw(beeld)
    midden = breedte // 2
    teken.text((midden, hoogte / 2), "B", font=letter(hoogte - 1), fill=(255, 255, 255), anchor="mm")
    for x in (midden - 1, midden + 1):
        teken.line([(x, 0), (x, 1)], fill=(255, 255, 255))
        teken.line([(x, hoogte - 2), (x, hoogte - 1)], fill=(255, 255, 255))
    return beeld


def surinaamse_dollar():
    """A Surinamese banknote: the flag's green, white and red bands with its yellow star."""
    beeld = Image.new("RGB", (200, 90), (55, 125, 60))
    teken = ImageDraw.Draw(beeld)
    teken.rectangle([0, 22, 199, 67], fill=(255, 255, 255))
    teken.rectangle([0, 27, 199, 62], fill=(180, 10, 40))
    punten = []
    for i in range(10):
        straal = 15 if i % 2 == 0 else 6
        hoek = math.pi / 2 + i * math.pi / 5
        punten.append((40 + straal * math.cos(hoek), 45 - straal * math.sin(hoek)))
    teken.polygon(punten, fill=(250, 210, 20))
    teken.text((130, 45), "SRD 100", font=letter(20), fill=(255, 255, 255), anchor="mm")
    teken.rectangle([2, 2, 197, 87], outline=(230, 240, 220), width=2)
    return beeld


def pijl_rechts(grootte):
    """The arrow beside a heading of the properties dialog: a dark triangle
    pointing at what it names, drawn large and scaled down so its edges are
    smooth."""
    groot = grootte * 4
    beeld = Image.new("RGBA", (groot, groot), (0, 0, 0, 0))
    teken = ImageDraw.Draw(beeld)
    links, boven, onder = groot * 0.3, groot * 0.22, groot * 0.78
    teken.polygon([(links, boven), (groot * 0.78, groot / 2), (links, onder)], fill=(30, 30, 30, 255))
    return beeld.resize((grootte, grootte), Image.LANCZOS)


def dokumenten_map(grootte):
    """The user's documents folder: Tango's folder with Tango's document in
    front of it, as no package has the two together."""
    tango = "/usr/share/icons/Tango/32x32/"
    beeld = schalen(Image.open(tango + "places/folder.png"), grootte, grootte)
    blad = schalen(Image.open(tango + "mimetypes/x-office-document.png"), grootte * 5 // 8, grootte * 5 // 8)
    beeld.alpha_composite(blad, (grootte - blad.width, grootte - blad.height))
    return beeld


TEKENINGEN = {
    "plons": plons,
    "logo": lambda b, h: logo(b),
    "makerlogo": lambda b, h: maker_logo(b),
    "papiergeld": papiergeld,
    "uil": lambda b, h: uil(b),
    "bitcoin": bitcoin,
    "surinaamsedollar": surinaamse_dollar,
    "pijlrechts": lambda b, h: pijl_rechts(b),
    "dokumentenmap": lambda b, h: dokumenten_map(b),
}


def opvullen(beeld, breedte, hoogte):
    """Centres a smaller picture on a transparent canvas of the given size."""
    beeld = beeld.convert("RGBA")
    doek = Image.new("RGBA", (breedte, hoogte), (0, 0, 0, 0))
    doek.paste(beeld, ((breedte - beeld.width) // 2, (hoogte - beeld.height) // 2))
    return doek


def schalen(beeld, breedte, hoogte):
    """Brings a picture to the size it is shown at: pixel art by a whole
    factor stays sharp, any other factor is smoothed."""
    beeld = beeld.convert("RGBA")
    heel = breedte % beeld.width == 0 and hoogte % beeld.height == 0
    return beeld.resize((breedte, hoogte), Image.NEAREST if heel else Image.LANCZOS)


def maat(tekst):
    breedte, hoogte = tekst.lower().split("x")
    return int(breedte), int(hoogte)


def als_bytes(beeld, naam):
    buffer = io.BytesIO()
    if naam.lower().endswith((".jpg", ".jpeg")):
        beeld.convert("RGB").save(buffer, "JPEG", quality=90)
    else:
        beeld.save(buffer, "PNG", optimize=True)
    return buffer.getvalue()


def maak(naam, bron, opties):
    if bron.startswith("teken:"):
        tekening = TEKENINGEN[bron[len("teken:"):]]
        if "maat" in opties:
            return als_bytes(tekening(*maat(opties["maat"])), naam)
        return als_bytes(tekening(), naam)
    if "opvullen" in opties:
        return als_bytes(opvullen(Image.open(bron), *maat(opties["opvullen"])), naam)
    if "schaal" in opties:
        return als_bytes(schalen(Image.open(bron), *maat(opties["schaal"])), naam)
    with open(bron, "rb") as bestand:
        return bestand.read()


def lees_lijst(pad):
    for regel in open(pad, encoding="utf-8"):
        regel = regel.split("#", 1)[0].strip()
        if not regel:
            continue
        delen = regel.split()
        opties = dict(optie.split("=", 1) for optie in delen[2:])
        yield delen[0], delen[1], opties


def schrijf_cpp(items, uit):
    regels = ["// Generated at build time from resources/hulpbronnen.txt; do not edit.",
              '#include "resources/Hulpbronnen.h"', "", "namespace", "{"]
    for index, (_, data) in enumerate(items):
        regels.append(f"const unsigned char data{index}[] = {{")
        for begin in range(0, len(data), 24):
            regels.append("    " + ", ".join(str(b) for b in data[begin:begin + 24]) + ",")
        regels.append("};")
    regels += ["} // namespace", "", "extern const Hulpbron hulpbronnen[] = {"]
    for index, (naam, _) in enumerate(items):
        regels.append(f'    {{"{naam}", data{index}, sizeof data{index}}},')
    regels += ["};", f"extern const unsigned long long aantalHulpbronnen = {len(items)};", ""]
    with open(uit, "w", encoding="utf-8") as bestand:
        bestand.write("\n".join(regels))


def main():
    lijst, uit = sys.argv[1], sys.argv[2]
    items = [(naam, maak(naam, bron, opties)) for naam, bron, opties in lees_lijst(lijst)]
    schrijf_cpp(items, uit)


if __name__ == "__main__":
    main()
