#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Builds the demo program folder demo/: question bank, pictures, reading
texts, right/wrong pictures and sounds, interface texts (the demo's Catalan
in idioma/, and every language's set in idiomes/<language>/) and mark scale.

    python3 scripts/make-demo.py            build demo/ and check it
    python3 scripts/make-demo.py --summary  also print the bank as a table

Needs python3 and ImageMagick's `convert`. The generated folders are rebuilt
from scratch on every run and come out byte for byte the same; anything else
in demo/ (reports in Controles-Usuarios, ultimo.rtf) is left alone.
Needs build/bin/brenloq-check: the generated folder is checked with it at the
end, and a problem it finds makes the script exit with status 1.
"""

import math
import shutil
import struct
import subprocess
import sys
import wave
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEMO = ROOT / "demo"
GENERATED = ["Preguntas", "Graficos", "textos", "gifs", "sonidos", "idioma", "idiomes"]

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

ENCODING = "cp1252"
CRLF = "\r\n"


# ---------------------------------------------------------------- helpers

def write_lines(path, lines):
    """Windows-1252, every line ended by CR LF, the last one too."""
    for line in lines:
        assert "\r" not in line and "\n" not in line, (path, line)
    data = "".join(line + CRLF for line in lines).encode(ENCODING)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def convert(*args):
    subprocess.run(["convert", *map(str, args)], check=True)


def text(x, y, caption, size=16, colour="black", bold=False):
    """ImageMagick arguments that write one caption with its baseline at y."""
    return ["-stroke", "none", "-fill", colour, "-font", FONT_BOLD if bold else FONT,
            "-pointsize", size, "-annotate", f"+{x}+{y}", caption]


def pts(points):
    return " ".join(f"{x},{y}" for x, y in points)


def regular_polygon(cx, cy, r, n, start_deg=-90.0):
    return [(round(cx + r * math.cos(math.radians(start_deg + 360.0 * k / n))),
             round(cy + r * math.sin(math.radians(start_deg + 360.0 * k / n))))
            for k in range(n)]


# ------------------------------------------------ graphics for marking a point
#
# Black outlines, no anti-aliasing, so that a flood fill from the stored point
# stays inside its white region. REGIONS holds, per graphic, the point stored
# in the questions for each region; brenloq-check verifies it at the end.

REGIONS = {}


def line_drawing(name, width, height, background, body):
    convert("-size", f"{width}x{height}", f"xc:{background}", "+antialias",
            *body, "-strip", DEMO / "Graficos" / name)


def outline(colour="white", width=3):
    return ["-fill", colour, "-stroke", "black", "-strokewidth", width]


def make_figures():
    # Small graphic: three plane figures.
    body = [*outline(),
            "-draw", "circle 55,95 55,57",
            "-draw", "rectangle 108,58 172,122",
            "-draw", "polygon 200,128 270,128 235,58",
            *text(10, 26, "Figures planes", 15)]
    line_drawing("figures.gif", 280, 180, "white", body)
    REGIONS["figures.gif"] = {"cercle": (55, 95), "quadrat": (140, 90),
                              "triangle": (235, 110)}


def make_polygons():
    pentagon = regular_polygon(100, 140, 72, 5)
    hexagon = regular_polygon(300, 135, 72, 6, 0)
    octagon = regular_polygon(500, 305, 64, 8, 22.5)
    rhombus = [(500, 55), (565, 135), (500, 215), (435, 135)]
    trapezium = [(50, 365), (240, 365), (190, 265), (100, 265)]
    triangle = [(285, 365), (400, 365), (285, 250)]
    body = [*outline()]
    for shape in (pentagon, hexagon, octagon, rhombus, trapezium, triangle):
        body += ["-draw", f"polygon {pts(shape)}"]
    body += text(10, 24, "Polígons", 16, bold=True)
    line_drawing("poligons.gif", 600, 400, "white", body)
    REGIONS["poligons.gif"] = {"pentàgon": (100, 140), "hexàgon": (300, 135),
                               "octàgon": (500, 305), "rombe": (500, 135),
                               "trapezi": (145, 320), "triangle": (315, 335)}


def make_fraction_bar():
    body = []
    for k, x in enumerate((30, 120, 210, 300)):
        body += [*outline("white" if k == 2 else "#b4b4b4"),
                 "-draw", f"rectangle {x},50 {x + 90},160"]
    body += text(30, 32, "Un rectangle dividit en quatre parts iguals", 15)
    line_drawing("fraccions.gif", 420, 190, "white", body)
    REGIONS["fraccions.gif"] = {"part blanca": (255, 105)}


def make_cake():
    cx, cy, r = 150, 160, 110
    body = []
    white_slice = 3
    for k in range(6):
        a0 = math.radians(-90 + 60 * k)
        a1 = math.radians(-90 + 60 * (k + 1))
        x0, y0 = round(cx + r * math.cos(a0)), round(cy + r * math.sin(a0))
        x1, y1 = round(cx + r * math.cos(a1)), round(cy + r * math.sin(a1))
        body += [*outline("white" if k == white_slice else "#d2b48c"),
                 "-draw", f"path 'M {cx},{cy} L {x0},{y0} A {r},{r} 0 0,1 {x1},{y1} Z'"]
    body += text(10, 26, "El pastís", 16, bold=True)
    line_drawing("pastis.gif", 300, 290, "white", body)
    mid = math.radians(-90 + 60 * white_slice + 30)
    REGIONS["pastis.gif"] = {"porció": (round(cx + 0.6 * r * math.cos(mid)),
                                        round(cy + 0.6 * r * math.sin(mid)))}


def make_cell():
    zigzag = [(105, 150), (115, 142), (125, 158), (135, 142), (145, 158),
              (155, 142), (165, 158), (175, 150)]
    ribosomes = [(120, 240), (150, 270), (210, 110), (380, 110), (420, 160),
                 (200, 330), (330, 330), (460, 320), (90, 200), (230, 270)]
    body = [*outline(width=4), "-draw", "ellipse 280,200 250,170 0,360",
            *outline(), "-draw", "circle 300,190 370,190",
            *outline("#a0a0a0"), "-draw", "circle 315,180 333,180",
            *outline(), "-draw", "ellipse 140,150 48,22 0,360",
            "-fill", "none", "-strokewidth", 2, "-draw", f"polyline {pts(zigzag)}",
            *outline(), "-draw", "ellipse 430,250 50,35 0,360",
            "-fill", "black", "-stroke", "none"]
    for x, y in ribosomes:
        body += ["-draw", f"circle {x},{y} {x + 3},{y}"]
    body += text(10, 22, "Cèl·lula animal", 16, bold=True)
    line_drawing("cellula.gif", 560, 400, "white", body)
    REGIONS["cellula.gif"] = {"nucli": (255, 190), "citoplasma": (280, 60),
                              "mitocondri": (140, 166), "vacúol": (430, 250)}


def make_catalonia():
    # Large graphic (scrolls in the viewport): the four provinces.
    p = {1: (150, 70), 2: (330, 100), 3: (460, 150), 4: (560, 140), 5: (700, 150),
         6: (850, 160), 7: (940, 190), 8: (900, 260), 9: (880, 330), 10: (820, 420),
         11: (700, 520), 12: (600, 580), 13: (470, 640), 14: (400, 690),
         15: (330, 730), 16: (260, 720), 17: (230, 640), 18: (180, 560),
         19: (140, 440), 20: (110, 300), 21: (90, 180)}
    q = {1: (580, 240), 2: (500, 330), 3: (440, 480), 4: (700, 320), 5: (300, 520),
         6: (530, 540)}
    lleida = [p[1], p[2], p[3], p[4], q[1], q[2], q[3], q[5], p[18], p[19], p[20], p[21]]
    girona = [p[4], p[5], p[6], p[7], p[8], p[9], p[10], q[4], q[1]]
    barcelona = [q[1], q[4], p[10], p[11], p[12], q[6], q[3], q[2]]
    tarragona = [q[5], q[3], q[6], p[12], p[13], p[14], p[15], p[16], p[17], p[18]]
    sea = [p[7], p[8], p[9], p[10], p[11], p[12], p[13], p[14], p[15],
           (330, 759), (999, 759), (999, 190)]
    body = [*outline("#9cc9ec"), "-draw", f"polygon {pts(sea)}", *outline()]
    for province in (lleida, girona, barcelona, tarragona):
        body += ["-draw", f"polygon {pts(province)}"]
    body += ["-fill", "black", "-stroke", "none",
             "-draw", "circle 705,470 711,470", "-draw", "circle 800,250 805,250",
             "-draw", "circle 300,330 305,330", "-draw", "circle 480,600 485,600"]
    body += text(600, 110, "França", 18)
    body += text(20, 400, "Aragó", 18)
    body += text(700, 660, "Mar Mediterrània", 22, "#003c78")
    body += text(30, 735, "Catalunya", 28, bold=True)
    line_drawing("catalunya.gif", 1000, 760, "#efe4c4", body)
    REGIONS["catalunya.gif"] = {"Lleida": (300, 300), "Girona": (760, 250),
                                "Barcelona": (600, 420), "Tarragona": (380, 600)}


def make_continents():
    north_america = [(60, 60), (200, 40), (260, 70), (230, 130), (190, 170),
                     (150, 200), (120, 190), (90, 140), (50, 100)]
    south_america = [(170, 220), (230, 230), (260, 270), (230, 340), (200, 380),
                     (185, 330), (165, 270)]
    europe = [(330, 70), (400, 50), (420, 60), (420, 130), (370, 140), (340, 130),
              (320, 100)]
    asia = [(420, 60), (520, 40), (640, 60), (680, 110), (640, 170), (580, 200),
            (520, 210), (470, 180), (420, 130)]
    africa = [(330, 160), (400, 150), (450, 190), (450, 260), (410, 330),
              (380, 340), (360, 280), (320, 220)]
    oceania = [(580, 280), (650, 270), (680, 310), (640, 350), (590, 340)]
    body = [*outline()]
    for land in (north_america, south_america, europe, asia, africa, oceania):
        body += ["-draw", f"polygon {pts(land)}"]
    body += text(20, 330, "Oceà Pacífic", 14, "#003c78")
    body += text(470, 320, "Oceà Índic", 14, "#003c78")
    body += text(250, 390, "Els continents", 16, bold=True)
    line_drawing("continents.gif", 720, 400, "#9cc9ec", body)
    REGIONS["continents.gif"] = {"Amèrica del Nord": (150, 110),
                                 "Amèrica del Sud": (215, 290), "Europa": (375, 95),
                                 "Àsia": (540, 120), "Àfrica": (395, 230),
                                 "Oceania": (630, 310)}


def make_plant():
    root = [(192, 432), (208, 432), (214, 460), (200, 486), (186, 460)]
    body = [*outline(), "-draw", "ellipse 145,300 50,18 0,360",
            "-draw", "rectangle 188,140 212,432"]
    for x, y in regular_polygon(200, 110, 46, 6):
        body += ["-draw", f"circle {x},{y} {x + 25},{y}"]
    body += [*outline("#ffd21f"), "-draw", "circle 200,110 230,110",
             *outline("#a0603c"), "-draw", "rectangle 80,432 320,492",
             *outline(), "-draw", f"polygon {pts(root)}"]
    body += text(10, 26, "La planta", 16, bold=True)
    line_drawing("planta.gif", 400, 500, "white", body)
    REGIONS["planta.gif"] = {"fulla": (128, 300), "tija": (200, 300),
                             "arrel": (200, 455)}


# ------------------------------------------------------------ other pictures

def picture(name, width, height, background, body, quality=None):
    args = ["-size", f"{width}x{height}", background, *body]
    if quality:
        args += ["-quality", quality]
    convert(*args, "-strip", DEMO / "Graficos" / name)


def make_house():
    windows = [(135, 190), (265, 190), (135, 245), (265, 245)]
    body = ["-fill", "#5bb04a", "-draw", "rectangle 0,262 480,360",
            "-fill", "#ffd21f", "-stroke", "#ffd21f", "-strokewidth", 4]
    for k in range(8):
        a = math.radians(45 * k)
        body += ["-draw", "line %d,%d %d,%d" % (400 + 50 * math.cos(a), 70 + 50 * math.sin(a),
                                                400 + 68 * math.cos(a), 70 + 68 * math.sin(a))]
    body += ["-draw", "circle 400,70 400,108",
             "-stroke", "#5a3a1e", "-strokewidth", 2,
             "-fill", "#8b5a2b", "-draw", "rectangle 42,190 60,300",
             "-fill", "#2e8b3a", "-draw", "circle 51,170 51,125",
             "-fill", "#a0522d", "-draw", "rectangle 270,100 295,160",
             "-fill", "#f2e2c4", "-draw", "rectangle 120,170 320,300",
             "-fill", "#c0392b", "-draw", "polygon 100,175 220,88 340,175",
             "-fill", "#8b5a2b", "-draw", "rectangle 200,232 240,300",
             "-fill", "#ffd21f", "-draw", "circle 232,268 235,268"]
    for x, y in windows:
        body += ["-fill", "#bfe6ff", "-draw", f"rectangle {x},{y} {x + 40},{y + 30}",
                 "-draw", f"line {x + 20},{y} {x + 20},{y + 30}",
                 "-draw", f"line {x},{y + 15} {x + 40},{y + 15}"]
    picture("casa.jpg", 480, 360, "gradient:#7ec8f0-#e6f6ff", body, 82)


def make_triangle():
    body = ["-fill", "#fff2b3", "-stroke", "black", "-strokewidth", 3,
            "-draw", "polygon 60,230 300,230 60,50",
            "-fill", "none", "-strokewidth", 2, "-draw", "rectangle 60,210 80,230",
            *text(160, 258, "4 cm", 18), *text(4, 146, "3 cm", 18),
            *text(190, 128, "5 cm", 18),
            *text(40, 252, "A", 18, bold=True), *text(306, 252, "B", 18, bold=True),
            *text(48, 44, "C", 18, bold=True)]
    picture("triangle.gif", 360, 280, "xc:white", body)


def make_balearics():
    mallorca = [(220, 120), (270, 80), (330, 90), (385, 130), (370, 190), (330, 230),
                (270, 220), (235, 180)]
    menorca = [(410, 70), (470, 60), (495, 80), (470, 105), (420, 100)]
    eivissa = [(80, 245), (120, 235), (135, 265), (110, 300), (75, 285)]
    formentera = [(105, 315), (140, 310), (145, 325), (110, 332)]
    body = ["-fill", "#e8dcb0", "-stroke", "#7a6a3a", "-strokewidth", 2]
    for island in (mallorca, menorca, eivissa, formentera):
        body += ["-draw", f"polygon {pts(island)}"]
    body += [*text(258, 160, "Mallorca", 18), *text(150, 270, "Eivissa", 16),
             *text(155, 335, "Formentera", 14), *text(440, 95, "?", 28, "#c00000", True),
             *text(15, 30, "Illes Balears", 20, bold=True)]
    picture("balears.JPG", 520, 360, "gradient:#a4d4f4-#5f9fd0", body, 82)


def make_thermometer():
    body = ["-fill", "white", "-stroke", "#404040", "-strokewidth", 3,
            "-draw", "roundrectangle 85,35 115,350 15,15",
            "-fill", "#d42020", "-stroke", "none", "-draw", "rectangle 93,190 107,352",
            "-stroke", "#404040", "-strokewidth", 3, "-draw", "circle 100,365 100,338",
            "-strokewidth", 2]
    for value in range(0, 51, 5):
        y = 330 - round(value * 5.6)
        length = 14 if value % 10 == 0 else 8
        body += ["-draw", f"line {115},{y} {115 + length},{y}"]
        if value % 10 == 0:
            body += text(135, y + 6, str(value), 15)
    body += text(120, 26, "°C", 18, bold=True)
    picture("termometre.jpg", 200, 410, "gradient:#f4f4f4-#d8d8d8", body, 82)


def make_volcano():
    body = ["-fill", "#6b8e23", "-draw", "rectangle 0,300 480,360",
            "-fill", "#7b5a3a", "-stroke", "#4a3420", "-strokewidth", 2,
            "-draw", "polygon 40,330 200,120 280,120 440,330",
            "-fill", "#ff5a00", "-stroke", "none",
            "-draw", "ellipse 240,122 40,8 0,360",
            "-draw", "polygon 215,125 235,125 220,200 195,260 185,250 205,190",
            "-draw", "polygon 250,125 268,125 290,210 320,280 305,285 275,205",
            "-fill", "#ffb000", "-draw", "polygon 222,125 230,125 214,190 208,188",
            "-fill", "#9a9a9a"]
    for x, y, r in ((240, 90, 22), (215, 60, 26), (260, 45, 24), (235, 20, 20)):
        body += ["-draw", f"circle {x},{y} {x + r},{y}"]
    picture("volca.jpg", 480, 360, "gradient:#ffc98a-#ffeede", body, 82)


def make_apple():
    body = ["-fill", "#c8c8c8", "-draw", "ellipse 150,262 80,12 0,360",
            "-fill", "#d62b2b", "-stroke", "#8a1010", "-strokewidth", 2,
            "-draw", "circle 150,165 150,75",
            "-fill", "#ff8a8a", "-stroke", "none", "-draw", "ellipse 115,130 14,24 0,360",
            "-stroke", "#5a3a1e", "-strokewidth", 6, "-draw", "line 150,80 160,45",
            "-fill", "#3aa040", "-stroke", "#1e6a24", "-strokewidth", 2,
            "-draw", "ellipse 188,58 28,12 0,360"]
    picture("fruita.jpg", 300, 290, "gradient:#fffbe8-#f0e6c8", body, 82)


def make_cat():
    body = ["-fill", "#f0a040", "-stroke", "#5a3010", "-strokewidth", 3,
            "-draw", "polygon 85,95 95,25 140,70", "-draw", "polygon 215,95 205,25 160,70",
            "-draw", "circle 150,140 150,60",
            "-fill", "#ffd0a0", "-draw", "polygon 100,80 103,45 128,70",
            "-draw", "polygon 200,80 197,45 172,70",
            "-fill", "#60c060", "-strokewidth", 2,
            "-draw", "ellipse 120,125 14,18 0,360", "-draw", "ellipse 180,125 14,18 0,360",
            "-fill", "black", "-draw", "ellipse 120,125 4,14 0,360",
            "-draw", "ellipse 180,125 4,14 0,360",
            "-fill", "#ff8aa0", "-draw", "polygon 140,155 160,155 150,166",
            "-fill", "none", "-draw", "line 150,166 150,178",
            "-draw", "arc 130,168 150,188 0,180", "-draw", "arc 150,168 170,188 0,180"]
    for y in (160, 170, 180):
        body += ["-draw", f"line 40,{y - 10} 120,{y}", "-draw", f"line 180,{y} 260,{y - 10}"]
    picture("gat.gif", 300, 240, "xc:white", body)


def make_circuit():
    body = ["-fill", "none", "-stroke", "black", "-strokewidth", 4,
            "-draw", "line 70,160 70,60", "-draw", "line 70,60 300,60",
            "-draw", "line 300,60 300,100", "-draw", "line 300,172 300,240",
            "-draw", "line 300,240 230,240", "-draw", "line 170,240 70,240",
            "-draw", "line 70,240 70,190",
            "-strokewidth", 6, "-draw", "line 40,160 100,160",
            "-strokewidth", 3, "-draw", "line 52,190 88,190",
            "-draw", "line 170,240 225,215", "-fill", "black",
            "-draw", "circle 170,240 175,240", "-draw", "circle 230,240 235,240",
            "-fill", "#fff59a", "-strokewidth", 3, "-draw", "circle 300,130 300,100",
            "-fill", "none", "-strokewidth", 2,
            "-draw", "polyline 288,150 292,122 298,132 304,122 310,150",
            "-fill", "#808080", "-draw", "rectangle 288,160 312,172",
            *text(104, 168, "+", 20, bold=True), *text(98, 198, "-", 20, bold=True)]
    picture("circuit.gif", 420, 290, "xc:white", body)


def make_angle():
    body = ["-fill", "none", "-stroke", "#1f3f9f", "-strokewidth", 4,
            "-draw", "line 60,185 270,185", "-draw", "line 60,185 60,25",
            "-stroke", "#c00000", "-strokewidth", 2, "-draw", "rectangle 60,160 85,185",
            "-fill", "#1f3f9f", "-stroke", "none", "-draw", "circle 60,185 65,185"]
    picture("Angle.GIF", 300, 220, "xc:white", body)


def make_clock():
    body = ["-fill", "white", "-stroke", "black", "-strokewidth", 6,
            "-draw", "circle 130,130 130,20", "-strokewidth", 3]
    for k in range(12):
        a = math.radians(30 * k)
        inner, width = (88, 3) if k % 3 else (76, 7)
        body += ["-strokewidth", width,
                 "-draw", "line %d,%d %d,%d" % (130 + inner * math.sin(a), 130 - inner * math.cos(a),
                                                130 + 100 * math.sin(a), 130 - 100 * math.cos(a))]
    body += ["-stroke", "black", "-strokewidth", 9, "-draw", "line 130,130 188,130",
             "-strokewidth", 5, "-draw", "line 130,130 130,42",
             "-fill", "#c00000", "-stroke", "none", "-draw", "circle 130,130 138,130"]
    picture("rellotge.gif", 260, 260, "xc:white", body)


def make_iberia():
    land = [(60, 95), (150, 65), (300, 75), (420, 105), (500, 140), (470, 220),
            (430, 290), (400, 330), (360, 385), (300, 405), (230, 415), (170, 385),
            (110, 395), (90, 345), (70, 300), (58, 230), (40, 150)]
    body = ["-fill", "#eadcb4", "-stroke", "#6a5a30", "-strokewidth", 2,
            "-draw", f"polygon {pts(land)}", "-fill", "black", "-stroke", "none"]
    for x, y in ((468, 170), (160, 360), (392, 262), (272, 95), (72, 292), (370, 160)):
        body += ["-draw", f"circle {x},{y} {x + 5},{y}"]
    body += ["-fill", "#e00000", "-draw", "circle 250,225 250,216",
             *text(20, 445, "Península Ibèrica", 20, bold=True),
             *text(430, 390, "Mar Mediterrània", 14, "#003c78"),
             *text(5, 40, "Oceà Atlàntic", 14, "#003c78")]
    picture("Mapa.JPG", 560, 460, "xc:#a4d4f4", body, 82)


def make_rain_chart():
    months = [("Gen", 40), ("Feb", 55), ("Mar", 80), ("Abr", 30)]
    body = ["-stroke", "black", "-strokewidth", 2, "-fill", "none",
            "-draw", "line 70,270 450,270", "-draw", "line 70,270 70,20",
            "-strokewidth", 1]
    for value in range(0, 81, 20):
        y = 270 - value * 3
        body += ["-stroke", "#c0c0c0", "-draw", f"line 71,{y} 450,{y}"]
        body += text(30, y + 5, str(value), 14)
    for k, (month, value) in enumerate(months):
        x = 100 + 90 * k
        body += ["-fill", "#3070c0", "-stroke", "#1a4a8a", "-strokewidth", 1,
                 "-draw", f"rectangle {x},{270 - value * 3} {x + 55},269"]
        body += text(x + 12, 292, month, 15)
    body += text(150, 16, "Pluja de cada mes (mm)", 15, bold=True)
    picture("grafic.jpg", 480, 310, "xc:white", body, 85)


# ----------------------------------------------------- right/wrong feedback

def make_feedback_pictures():
    frames = []
    for s in (0.80, 0.88, 0.96, 1.04, 1.10, 1.04, 0.96, 0.88):
        tick = [(round(60 + (x - 60) * s), round(60 + (y - 60) * s))
                for x, y in ((32, 62), (52, 84), (90, 38))]
        frames += ["(", "-size", "120x120", "xc:white",
                   "-fill", "#dff5df", "-stroke", "#1a9a1a", "-strokewidth", 3,
                   "-draw", f"circle 60,60 60,{round(60 - 54 * s)}",
                   "-fill", "none", "-stroke", "#12a012", "-strokewidth", round(12 * s),
                   "-draw", f"stroke-linecap round stroke-linejoin round polyline {pts(tick)}",
                   ")"]
    convert("-delay", 8, "-dispose", "None", *frames, "-loop", 0, "-strip",
            DEMO / "gifs" / "si.gif")
    frames = []
    for dx in (0, -8, 8, -6, 6, -3, 3, 0):
        frames += ["(", "-size", "120x120", "xc:white",
                   "-fill", "#fde0e0", "-stroke", "#c81e1e", "-strokewidth", 3,
                   "-draw", f"circle {60 + dx},60 {60 + dx},10",
                   "-fill", "none", "-stroke", "#d42020", "-strokewidth", 14,
                   "-draw", f"stroke-linecap round line {34 + dx},34 {86 + dx},86",
                   "-draw", f"stroke-linecap round line {86 + dx},34 {34 + dx},86",
                   ")"]
    convert("-delay", 6, "-dispose", "None", *frames, "-loop", 0, "-strip",
            DEMO / "gifs" / "no.gif")


RATE = 22050


def write_wave(path, samples):
    path.parent.mkdir(parents=True, exist_ok=True)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, round(v * 32767))))
                                 for v in samples))


def make_sounds():
    # Rising two-tone chime: G5 then D6, each with a soft attack and decay.
    chime = []
    for freq, length in ((784.0, 0.16), (1174.7, 0.34)):
        n = int(RATE * length)
        for i in range(n):
            t = i / RATE
            envelope = min(1.0, t / 0.005) * math.exp(-t * 6.0)
            tone = math.sin(2 * math.pi * freq * t) + 0.3 * math.sin(4 * math.pi * freq * t)
            chime.append(0.45 * envelope * tone)
    write_wave(DEMO / "sonidos" / "si.wav", chime)
    # Low buzz: 110 Hz, odd harmonics, flat with short fades.
    n = int(RATE * 0.45)
    buzz = []
    for i in range(n):
        t = i / RATE
        envelope = min(1.0, t / 0.01, (n - i) / RATE / 0.04)
        tone = sum(math.sin(2 * math.pi * 110.0 * h * t) / h for h in (1, 3, 5, 7, 9))
        buzz.append(0.5 * envelope * tone)
    write_wave(DEMO / "sonidos" / "no.wav", buzz)


# ------------------------------------------------------------------- texts

TEXTS = {
    "la_tardor.txt": [
        "Arriba la tardor i els arbres del parc canvien de color.",
        "Les fulles grogues, vermelles i marrons cauen a poc a poc,",
        "i el vent les fa ballar pels camins. La Núria i el seu germà",
        "surten a collir castanyes amb la seva àvia, que coneix",
        "els racons més amagats del bosc. Quan tornen a casa,",
        "torren les castanyes al foc i mengen panellets de pinyons.",
        "És la festa de la Castanyada, una tradició molt estimada.",
    ],
    "sant_jordi.txt": [
        "Fa molt de temps, a la vila de Montblanc, hi vivia un drac",
        "ferotge que espantava tothom. Cada dia, els vilatans li",
        "havien de donar una persona perquè no destruís el poble.",
        "Un dia, la sort va caure sobre la princesa. Quan el drac",
        "estava a punt de menjar-se-la, va aparèixer un cavaller",
        "amb una armadura brillant: era Sant Jordi. Amb la",
        "seva llança va ferir el drac, i de la sang en va néixer un roser",
        "ple de roses vermelles.",
    ],
    "el_mediterrani.txt": [
        "El mar Mediterrani banya les costes de Catalunya.",
        "És un mar gairebé tancat, que només comunica amb l'oceà",
        "Atlàntic per l'estret de Gibraltar. Les seves aigües són",
        "càlides i molt salades, i hi viuen peixos com la sardina,",
        "el lluç i el llobarro. Antigament, grecs, fenicis i romans",
        "el van navegar per comerciar amb oli, vi i blat.",
    ],
    "cicle_aigua.txt": [
        "El sol escalfa l'aigua dels mars, dels rius i dels llacs.",
        "L'aigua s'evapora i puja a l'atmosfera en forma de vapor.",
        "Allà dalt, el vapor es refreda i es condensa en petites",
        "gotes que formen els núvols. Quan les gotes són prou",
        "grosses, cauen en forma de pluja, de neu o de calamarsa. Aquesta",
        "aigua torna als rius i al mar, i el cicle comença de nou.",
    ],
    "my_family.txt": [
        "My name is Tom and I live in Girona with my family.",
        "I have got a sister called Anna. She is eight years old",
        "and she likes drawing. My father is a teacher and my",
        "mother is a doctor. We have got a dog called Max, and",
        "every Sunday we walk to the river with him.",
    ],
    # Text attachments of multiple-choice questions.
    "poema.txt": [
        "El mar",
        "",
        "El mar és blau com el cel d'estiu,",
        "les ones canten una cançó tranquil·la,",
        "les gavines volen sobre l'aigua",
        "i les barques tornen al port quan cau el sol.",
    ],
    "recepta.txt": [
        "Pa amb tomàquet (per a 4 llesques)",
        "",
        "Ingredients:",
        "- 4 llesques de pa de pagès",
        "- 2 tomàquets madurs",
        "- Oli d'oliva i sal",
        "",
        "Preparació:",
        "1. Torra les llesques de pa.",
        "2. Talla els tomàquets per la meitat i frega'ls sobre el pa.",
        "3. Afegeix-hi un raig d'oli i una mica de sal.",
    ],
}


# --------------------------------------------------------------- questions

def mc(statement, options, attachment=None):
    """Options: the correct one starts with '*'."""
    return {"type": 1, "statement": statement, "options": options, "attachment": attachment}


def written(statement, answer):
    return {"type": 2, "statement": statement, "answer": answer}


def pic(picture_name, statement, answer):
    return {"type": 3, "picture": picture_name, "statement": statement, "answer": answer}


def point(graphic, region, statement):
    return {"type": 4, "graphic": graphic, "region": region, "statement": statement}


def word(text_name, statement, answer):
    return {"type": 5, "text": text_name, "statement": statement, "answer": answer}


def truefalse(statement, value):
    return {"type": 6, "statement": statement, "value": value}


MATHS = "Departament de Matemàtiques"
SCIENCE = "Departament de Ciències"
CATALAN = "Departament de Llengua Catalana"
LANGUAGES = "Departament de Llengües Estrangeres"
SOCIAL = "Departament de Ciències Socials"

BANK = [
    ("1r ESO", "Matemàtiques", None, MATHS, [
        mc("Quant fa 7 × 8?", ["54", "*56", "58", "64"]),
        written("Quant fa 125 + 375?", "500"),
        point("figures.gif", "triangle", "Marca el triangle."),
        truefalse("Un quadrat té quatre costats iguals.", True),
        mc("Quin tipus d'angle mostra el dibuix?", ["Agut", "*Recte", "Obtús", "Pla"],
           "Angle.GIF"),
        pic("triangle.gif", "Quants centímetres fa el perímetre del triangle?", "12"),
        written("Com s'anomena un polígon de cinc costats?", "pentàgon"),
        point("figures.gif", "quadrat", "Marca el quadrat."),
        truefalse("El nombre 15 és un nombre primer.", False),
        mc("El nombre 0,5 és més gran que 0,45?", ["*Sí", "No"]),
        mc("Quin d'aquests nombres és divisible per 9?",
           ["12", "21", "33", "*45", "50", "62", "74", "80"]),
        point("figures.gif", "cercle", "Marca el cercle."),
        written("Quina fracció equival a la meitat? Escriu-la amb una barra, per exemple 3/4.",
                "1/2"),
        truefalse("La suma dels angles d'un triangle és 180 graus.", True),
        point("fraccions.gif", "part blanca",
              "El rectangle està dividit en quatre parts iguals i tres estan pintades. "
              "Marca la part que falta per pintar."),
    ]),
    ("1r ESO", "Ciències de la Natura", "Opció A", SCIENCE, [
        mc("Quin és l'òrgan que bombeja la sang?",
           ["El fetge", "*El cor", "Els pulmons", "L'estómac"]),
        point("cellula.gif", "nucli", "Marca el nucli de la cèl·lula."),
        written("Com s'anomena el procés amb què les plantes fabriquen el seu aliment "
                "amb la llum del sol?", "fotosíntesi"),
        truefalse("Les balenes són peixos.", False),
        point("planta.gif", "tija", "Marca la tija de la planta."),
        pic("volca.jpg", "Com s'anomena aquesta muntanya que expulsa lava?", "volcà"),
        mc("Quin d'aquests animals és un mamífer?",
           ["Tauró", "Pingüí", "*Dofí", "Granota", "Serp"]),
        point("cellula.gif", "citoplasma", "Marca el citoplasma."),
        truefalse("L'aigua bull a 100 graus centígrads al nivell del mar.", True),
        point("planta.gif", "arrel", "Marca l'arrel de la planta."),
    ]),
    ("1r ESO", "Ciències de la Natura", "Opció B", SCIENCE, [
        mc("Quin planeta és el més proper al Sol?", ["Venus", "Terra", "Mart", "*Mercuri"]),
        written("Quin gas necessitem respirar per viure?", "oxigen"),
        point("cellula.gif", "mitocondri", "Marca el mitocondri."),
        truefalse("La Lluna té llum pròpia.", False),
        point("planta.gif", "fulla", "Marca la fulla de la planta."),
        mc("En quin estat es troba l'aigua quan és gel?", ["Líquid", "*Sòlid", "Gasós"]),
        point("cellula.gif", "vacúol", "Marca el vacúol."),
        pic("termometre.jpg", "Quants graus marca el termòmetre?", "25"),
    ]),
    ("1r ESO", "Llengua Catalana", None, CATALAN, [
        word("la_tardor.txt", "Què surten a collir la Núria i el seu germà?", "castanyes"),
        mc("Llegeix el poema. De què parla?",
           ["De la muntanya", "*Del mar", "D'un gat", "De l'escola"], "poema.txt"),
        written("Escriu el plural de la paraula «peix».", "peixos"),
        truefalse("La paraula «cançó» porta accent tancat.", True),
        word("la_tardor.txt", "Amb qui surten a collir castanyes?", "àvia,"),
        mc("Quina d'aquestes paraules està ben escrita?",
           ["colegi", "col.legi", "*col·legi", "cól·legi"]),
        word("la_tardor.txt", "Què fa el vent amb les fulles?", "ballar"),
        written("Escriu el femení de «actor».", "actriu"),
        word("sant_jordi.txt", "A quina vila vivia el drac?", "Montblanc,"),
        truefalse("«Ràpidament» és un adjectiu.", False),
        word("la_tardor.txt", "Qui acompanya la Núria a collir castanyes, a més de l'àvia?",
             "germà"),
        word("sant_jordi.txt", "Amb quina arma va ferir el drac Sant Jordi?", "llança"),
        mc("Llegeix el poema. Què fan les gavines?",
           ["Canten una cançó", "Tornen al port", "*Volen sobre l'aigua"], "Poema.TXT"),
    ]),
    ("1r ESO", "Llengua Estrangera", "Anglès", LANGUAGES, [
        pic("fruita.jpg", "Com es diu en anglès la fruita del dibuix?", "apple"),
        mc("Com es diu «gos» en anglès?", ["cat", "bird", "fish", "*dog"]),
        written("Escriu en anglès el número 3, en lletres.", "three"),
        truefalse("«Monday» vol dir dilluns.", True),
        word("my_family.txt", "Com es diu el gos del Tom?", "Max,"),
        pic("gat.gif", "Com es diu en anglès l'animal del dibuix?", "cat"),
        mc("Quina és la forma correcta?",
           ["*She is my sister", "She are my sister", "She am my sister"]),
        written("Escriu en anglès el color «vermell».", "red"),
        truefalse("El plural de «child» és «childs».", False),
        word("my_family.txt", "Quants anys té l'Anna, la germana del Tom?", "eight"),
    ]),
    ("1r ESO", "Llengua Estrangera", "Francès", LANGUAGES, [
        pic("fruita.jpg", "Com es diu en francès la fruita del dibuix?", "pomme"),
        mc("Com es diu «casa» en francès?", ["chaise", "*maison", "voiture", "école"]),
        written("Escriu en francès la paraula «gat».", "chat"),
        truefalse("«Bonjour» vol dir bon dia.", True),
        pic("gat.gif", "Com es diu en francès l'animal del dibuix?", "chat"),
        mc("Quin és l'article correcte per a «livre»?", ["*le", "la"]),
        written("Escriu en francès el número 10, en lletres.", "dix"),
        truefalse("«Merci» vol dir si us plau.", False),
    ]),
    ("2n ESO", "Ciències Socials", "Geografia", SOCIAL, [
        point("continents.gif", "Àfrica", "Marca Àfrica al mapa."),
        mc("Quina ciutat està marcada amb un punt vermell al mapa?",
           ["Barcelona", "Sevilla", "València", "Bilbao", "Lisboa", "Saragossa", "*Madrid"],
           "Mapa.JPG"),
        pic("balears.JPG", "Quina illa de les Balears està marcada amb un interrogant?",
            "Menorca"),
        point("catalunya.gif", "Lleida", "Marca la província de Lleida."),
        truefalse("El riu Ebre desemboca al mar Mediterrani.", True),
        written("Quina és la capital de França?", "París"),
        point("continents.gif", "Àsia", "Marca Àsia al mapa."),
        word("el_mediterrani.txt",
             "Per quin estret es comunica el Mediterrani amb l'oceà Atlàntic?", "Gibraltar."),
        point("catalunya.gif", "Girona", "Marca la província de Girona."),
        mc("Quin és l'oceà més gran de la Terra?", ["Atlàntic", "Índic", "*Pacífic", "Àrtic"]),
        point("continents.gif", "Amèrica del Sud", "Marca Amèrica del Sud al mapa."),
        point("catalunya.gif", "Tarragona", "Marca la província de Tarragona."),
    ]),
    ("2n ESO", "Ciències Socials", "Història", SOCIAL, [
        mc("En quin any va arribar Colom a Amèrica?", ["1276", "*1492", "1714", "1808"]),
        written("Com s'anomenava la ciutat romana on avui hi ha Tarragona?", "Tàrraco"),
        truefalse("Els romans van construir aqüeductes.", True),
        word("el_mediterrani.txt",
             "Quin poble antic, a més dels grecs i els romans, va navegar pel Mediterrani?",
             "fenicis"),
        mc("Quin d'aquests períodes és el més antic?",
           ["*Paleolític", "Neolític", "Edat dels Metalls", "Edat Mitjana"]),
        truefalse("La Diada de Catalunya se celebra l'11 de setembre.", True),
        word("sant_jordi.txt", "A qui va tocar la sort de ser lliurada al drac?", "princesa."),
        written("Quin governant romà va donar nom al mes de juliol?", "Juli Cèsar"),
        truefalse("La Primera Guerra Mundial va començar l'any 1939.", False),
    ]),
    ("2n ESO", "Matemàtiques", None, MATHS, [
        mc("Quin és el resultat de (-3) × (-4)?", ["-12", "7", "*12", "-7"]),
        written("Quant fa 2 elevat a 5?", "32"),
        point("poligons.gif", "hexàgon", "Marca l'hexàgon."),
        truefalse("Un nombre negatiu multiplicat per un altre de negatiu dona un "
                  "resultat positiu.", True),
        mc("Segons el gràfic, en quin mes va ploure més?",
           ["Gener", "Febrer", "*Març", "Abril"], "grafic.jpg"),
        pic("triangle.gif", "Segons els seus angles, quin tipus de triangle és el del dibuix?",
            "rectangle"),
        point("pastis.gif", "porció",
              "S'han menjat cinc de les sis porcions del pastís. Marca la porció que queda."),
        written("Una samarreta costa 20 €. Amb un descompte del 10 %, quants euros costa?",
                "18"),
        mc("Quina és la solució de l'equació x + 7 = 12?",
           ["x = 19", "x = 7", "x = -5", "*x = 5"]),
        truefalse("El nombre 0,75 és igual a 3/4.", True),
        point("poligons.gif", "trapezi", "Marca el trapezi."),
        mc("Quants graus té un angle recte?", ["*90", "180", "45"]),
        written("Quina és l'arrel quadrada de 81?", "9"),
        truefalse("Un hexàgon té vuit costats.", False),
        point("poligons.gif", "pentàgon", "Marca el pentàgon."),
        mc("Quina hora marca el rellotge?",
           ["Les dotze en punt", "*Les tres en punt", "Les sis en punt", "Les nou en punt"],
           "rellotge.gif"),
        pic("casa.jpg", "Quantes finestres té la casa del dibuix? Escriu el número.", "4"),
        dict(written("Quants centímetres hi ha en un metre?", "100"), author=""),
        mc("Llegeix la recepta. Si volem fer el doble de llesques, quants tomàquets "
           "necessitem?", ["2", "*4", "6", "8"], "recepta.txt"),
        truefalse("El perímetre d'un quadrat de 5 cm de costat és 20 cm.", True),
    ]),
    ("2n ESO", "Ciències de la Natura", "Opció A", SCIENCE, [
        mc("Quina és la unitat bàsica dels éssers vius?",
           ["*La cèl·lula", "L'àtom", "El teixit", "L'òrgan"]),
        word("cicle_aigua.txt", "Què formen les gotes petites d'aigua?", "núvols."),
        pic("circuit.gif", "Quin component del circuit fa llum?", "bombeta"),
        truefalse("El so es propaga més de pressa que la llum.", False),
        written("Quina és la fórmula química de l'aigua?", "H2O"),
        point("cellula.gif", "nucli", "Marca el nucli, on hi ha el material genètic."),
        mc("Quin d'aquests materials és un bon conductor de l'electricitat?",
           ["Fusta", "Plàstic", "Vidre", "*Coure"]),
        word("cicle_aigua.txt", "Què fa l'aigua quan passa a vapor? Tria la paraula del text.",
             "s'evapora"),
    ]),
    ("2n ESO", "Ciències de la Natura", "Opció B", SCIENCE, [
        mc("Quants ossos té aproximadament el cos d'una persona adulta?",
           ["*206", "106", "306", "56"]),
        written("Com s'anomena l'aparell que transporta la sang pel cos? Aparell...",
                "circulatori"),
        truefalse("Les plantes verdes produeixen oxigen.", True),
        point("cellula.gif", "citoplasma", "Marca el citoplasma de la cèl·lula."),
        pic("volca.jpg", "Quin material surt pel cràter del volcà?", "lava"),
        mc("Quina capa de la Terra és la més externa?",
           ["Mantell", "*Escorça", "Nucli extern", "Nucli intern"]),
        truefalse("Les plantes absorbeixen l'aigua sobretot per les fulles.", False),
        word("cicle_aigua.txt",
             "En quina altra forma cauen les gotes, a més de pluja i neu?", "calamarsa."),
    ]),
]


def question_lines(q, author):
    kind = q["type"]
    head = [f" {kind} ", q.get("author", author)]
    if kind == 1:
        options = [o[1:] + " " if o.startswith("*") else o for o in q["options"]]
        return head + [q["statement"], *options] + ([q["attachment"]] if q["attachment"] else [])
    if kind == 2:
        return head + [q["statement"], q["answer"]]
    if kind == 3:
        return head + [q["picture"], q["statement"], q["answer"]]
    if kind == 4:
        x, y = REGIONS[q["graphic"]][q["region"]]
        return head + [q["graphic"], q["statement"], str(x), str(y)]
    if kind == 5:
        return head + [q["text"], q["statement"], q["answer"]]
    return head + [q["statement"], "VERDADERO" if q["value"] else "FALSO"]


def question_folder(course, subject, option):
    folder = DEMO / "Preguntas" / course / subject
    return folder / option if option else folder


# ---------------------------------------------------------- interface texts
#
# One set of interface texts per language, under idiomes/<language>/; idioma/
# is the Catalan set, the one the demo runs with. Each line keeps the place
# and the role the readers give it: trailing spaces, %1 and %2, and the
# captions the help lines name (Confirmar, VERTADER, FALS) as the buttons say
# them in the same language. The heading over a reading text has one line
# of about 50 characters on a 1024 x 768 screen.

LANGUAGES = {
    "ca": {
        "inicio.txt": ["COMENÇAR ", "Nom", "Veure els resultats"],
        "seleccion.txt": [
            "Curs",
            "Matèries",
            "Matèries",
            "Opció",
            "Tria un curs, marca les matèries que vols fer i el nombre de preguntes, "
            "i prem el botó d'inici.",
            "Nombre de preguntes de cada matèria",
            "INICI DE LA PROVA",
            "Has de triar almenys una matèria per començar la prova.",
        ],
        "Principal.txt": [
            "BRENLOQ 3.0",
            "Proves d'avaluació a l'aula",
            "Banc de preguntes de demostració",
            "Llegeix el text i tria la paraula que respon",
            "Escriu aquí la resposta",
            "Escriu aquí la resposta",
            "Confirmar",
            "Autor: ",
            "CORRECTA",
            "INCORRECTA",
            "Tria una pregunta de la llista",
            "VERTADER",
            "FALS",
        ],
        "ayuda.txt": [
            "Tria una pregunta de la llista",
            "Fes clic a la resposta correcta i prem Confirmar",
            "Escriu la resposta lletra a lletra: cada lletra es comprova en escriure-la",
            "Mira la imatge i escriu la resposta lletra a lletra",
            "Fes clic a la zona del dibuix que respon la pregunta i prem Confirmar",
            "Fes clic a la paraula del text que respon la pregunta i prem Confirmar",
            "Prem VERTADER o FALS i després Confirmar",
        ],
        "Final.txt": [
            "RESULTATS DE LA PROVA",
            "Encerts",
            "Errors",
            "En blanc",
            "Segur que vols sortir del programa?",
        ],
        # The class results program: heading, the table's columns, the
        # filters, the summary, the reasons a file is not read, the export;
        # then the lines added since, in the order they were added.
        "resultats.txt": [
            "RESULTATS DE LA CLASSE",
            "Alumne", "Data i hora", "Matèria", "Nota", "Encerts", "Errors", "En blanc",
            "Des del", "Fins al", "Matèria", "Totes les matèries", "Exporta a CSV...",
            "Resum per matèria", "Matèria", "Informes", "Mitjana", "Mínima", "Màxima",
            "Fitxers que no s'han llegit",
            "no té nom d'informe", "s'està escrivint", "és buit", "és massa gran", "no es pot llegir",
            "no és un document RTF", "és incomplet", "no té les línies de resultats",
            "S'estan llegint els informes...", "No hi ha la carpeta Controles-Usuarios.", "%1 de %2 files",
            "Full de càlcul CSV (*.csv)", "resultats.csv", "No s'ha pogut desar el fitxer.",
            "Repetició", "Avís", "les línies de resultats no són al final", "nota per sobre del màxim, %1",
            "més de %1 preguntes en una prova",
            "Curs", "Opció", "Tots els cursos", "Totes les opcions",
            "Llibre de full de càlcul (*.xlsx)", "Desa en PDF...", "Document PDF (*.pdf)", "resultats.pdf",
            "Per pregunta", "Per informe",
            "Pregunta", "Enunciat", "Vegades", "Encerts", "Errors", "En blanc", "% encerts",
            "Error més freqüent", "Canviada des de llavors",
        ],
    },
    "es": {
        "inicio.txt": ["EMPEZAR ", "Nombre", "Ver los resultados"],
        "seleccion.txt": [
            "Curso",
            "Asignaturas",
            "Asignaturas",
            "Opción",
            "Elige un curso, marca las asignaturas que quieres hacer y el número de preguntas, "
            "y pulsa el botón de inicio.",
            "Número de preguntas de cada asignatura",
            "EMPEZAR LA PRUEBA",
            "Tienes que elegir al menos una asignatura para empezar la prueba.",
        ],
        "Principal.txt": [
            "BRENLOQ 3.0",
            "Pruebas de evaluación en el aula",
            "Banco de preguntas de demostración",
            "Lee el texto y elige la palabra que responde",
            "Escribe aquí la respuesta",
            "Escribe aquí la respuesta",
            "Confirmar",
            "Autor: ",
            "CORRECTA",
            "INCORRECTA",
            "Elige una pregunta de la lista",
            "VERDADERO",
            "FALSO",
        ],
        "ayuda.txt": [
            "Elige una pregunta de la lista",
            "Haz clic en la respuesta correcta y pulsa Confirmar",
            "Escribe la respuesta letra a letra: cada letra se comprueba al escribirla",
            "Mira la imagen y escribe la respuesta letra a letra",
            "Haz clic en la zona del dibujo que responde a la pregunta y pulsa Confirmar",
            "Haz clic en la palabra del texto que responde a la pregunta y pulsa Confirmar",
            "Pulsa VERDADERO o FALSO y después Confirmar",
        ],
        "Final.txt": [
            "RESULTADOS DE LA PRUEBA",
            "Aciertos",
            "Errores",
            "En blanco",
            "¿Seguro que quieres salir del programa?",
        ],
        "resultats.txt": [
            "RESULTADOS DE LA CLASE",
            "Alumno", "Fecha y hora", "Asignatura", "Nota", "Aciertos", "Errores", "En blanco",
            "Desde el", "Hasta el", "Asignatura", "Todas las asignaturas", "Exportar a CSV...",
            "Resumen por asignatura", "Asignatura", "Informes", "Media", "Mínima", "Máxima",
            "Archivos que no se han leído",
            "no tiene nombre de informe", "se está escribiendo", "está vacío", "es demasiado grande",
            "no se puede leer",
            "no es un documento RTF", "está incompleto", "no tiene las líneas de resultados",
            "Leyendo los informes...", "No existe la carpeta Controles-Usuarios.", "%1 de %2 filas",
            "Hoja de cálculo CSV (*.csv)", "resultados.csv", "No se ha podido guardar el archivo.",
            "Repetición", "Aviso", "las líneas de resultados no están al final",
            "nota por encima del máximo, %1", "más de %1 preguntas en una prueba",
            "Curso", "Opción", "Todos los cursos", "Todas las opciones",
            "Libro de hoja de cálculo (*.xlsx)", "Guardar en PDF...", "Documento PDF (*.pdf)", "resultados.pdf",
            "Por pregunta", "Por informe",
            "Pregunta", "Enunciado", "Veces", "Aciertos", "Errores", "En blanco", "% aciertos",
            "Error más frecuente", "Cambiada desde entonces",
        ],
    },
    "en": {
        "inicio.txt": ["START ", "Name", "See the results"],
        "seleccion.txt": [
            "Year",
            "Subjects",
            "Subjects",
            "Option",
            "Choose a year, tick the subjects you want to do and the number of questions, "
            "then press the start button.",
            "Number of questions per subject",
            "START THE TEST",
            "You must choose at least one subject to start the test.",
        ],
        "Principal.txt": [
            "BRENLOQ 3.0",
            "Classroom assessment",
            "Demonstration question bank",
            "Read the text and pick the word that answers",
            "Write your answer here",
            "Write your answer here",
            "Confirm",
            "Author: ",
            "RIGHT",
            "WRONG",
            "Choose a question from the list",
            "TRUE",
            "FALSE",
        ],
        "ayuda.txt": [
            "Choose a question from the list",
            "Click the right answer and press Confirm",
            "Type the answer letter by letter: each letter is checked as you type it",
            "Look at the picture and type the answer letter by letter",
            "Click the part of the drawing that answers the question and press Confirm",
            "Click the word in the text that answers the question and press Confirm",
            "Press TRUE or FALSE and then Confirm",
        ],
        "Final.txt": [
            "TEST RESULTS",
            "Right",
            "Wrong",
            "Blank",
            "Are you sure you want to leave the program?",
        ],
        "resultats.txt": [
            "CLASS RESULTS",
            "Pupil", "Date and time", "Subject", "Mark", "Right", "Wrong", "Blank",
            "From", "To", "Subject", "All subjects", "Export to CSV...",
            "Summary by subject", "Subject", "Reports", "Average", "Lowest", "Highest",
            "Files that were not read",
            "has no report name", "is being written", "is empty", "is too large", "cannot be read",
            "is not an RTF document", "is incomplete", "has no result lines",
            "Reading the reports...", "There is no Controles-Usuarios folder.", "%1 of %2 rows",
            "CSV spreadsheet (*.csv)", "results.csv", "The file could not be saved.",
            "Repeat", "Warning", "the result lines are not at the end", "mark above the maximum, %1",
            "more than %1 questions in one test",
            "Year", "Option", "All years", "All options",
            "Spreadsheet workbook (*.xlsx)", "Save as PDF...", "PDF document (*.pdf)", "results.pdf",
            "By question", "By report",
            "Question", "Wording", "Times asked", "Right", "Wrong", "Blank", "% right",
            "Most common wrong answer", "Changed since",
        ],
    },
}
ACTIVE_LANGUAGE = "ca"


# ------------------------------------------------------------------- build

def build():
    DEMO.mkdir(exist_ok=True)
    for name in GENERATED:
        shutil.rmtree(DEMO / name, ignore_errors=True)
        (DEMO / name).mkdir()
    reports = DEMO / "Controles-Usuarios"
    reports.mkdir(exist_ok=True)
    (reports / ".gitkeep").write_bytes(b"")

    for make in (make_figures, make_polygons, make_fraction_bar, make_cake, make_cell,
                 make_catalonia, make_continents, make_plant, make_house, make_triangle,
                 make_balearics, make_thermometer, make_volcano, make_apple, make_cat,
                 make_circuit, make_angle, make_clock, make_iberia, make_rain_chart):
        make()
    make_feedback_pictures()
    make_sounds()

    for name, lines in TEXTS.items():
        write_lines(DEMO / "textos" / name, lines)
    for language, files in LANGUAGES.items():
        for name, lines in files.items():
            write_lines(DEMO / "idiomes" / language / name, lines)
    for name, lines in LANGUAGES[ACTIVE_LANGUAGE].items():
        write_lines(DEMO / "idioma" / name, lines)
    write_lines(DEMO / "tope.txt", ["10"])

    for course, subject, option, author, questions in BANK:
        folder = question_folder(course, subject, option)
        for number, q in enumerate(questions, 1):
            write_lines(folder / f"{number}.txt", question_lines(q, author))


# ------------------------------------------------------------------- check
#
# The bank, pictures, texts, language files and tope.txt are checked by
# brenloq-check, the checker teachers run, with the quiz player's own rules.
# Only what it does not look at is checked here: the feedback pictures and
# sounds, and the size the demo takes in the repository.

CHECKER = ROOT / "build" / "bin" / "brenloq-check"


def media_failures():
    failures = []

    def expect(condition, where, message):
        if not condition:
            failures.append(f"{where}: {message}")

    for name in ("si.gif", "no.gif"):
        path = DEMO / "gifs" / name
        frames = subprocess.run(["identify", "-format", "%w %h\n", path], check=True,
                                capture_output=True, text=True).stdout.split("\n")
        frames = [f for f in frames if f]
        expect(len(frames) >= 4 and frames[0] == "120 120", f"gifs/{name}", f"frames {frames}")
    for name in ("si.wav", "no.wav"):
        with wave.open(str(DEMO / "sonidos" / name)) as sound:
            expect((sound.getnchannels(), sound.getsampwidth(), sound.getframerate())
                   == (1, 2, RATE) and sound.getnframes() < RATE,
                   f"sonidos/{name}", "not short 22050 Hz mono 16-bit PCM")
    for path in sorted(DEMO.rglob("*")):
        if path.is_file() and path.suffix.lower() in (".gif", ".jpg", ".wav"):
            expect(path.stat().st_size < 60 * 1024, path.relative_to(DEMO),
                   f"{path.stat().st_size} bytes")
    total = sum(p.stat().st_size for p in DEMO.rglob("*") if p.is_file())
    expect(total < 1536 * 1024, "demo", f"{total} bytes in all")
    return failures


TYPE_NAMES = {1: "choice", 2: "written", 3: "picture", 4: "graphic", 5: "reading", 6: "true/false"}


def print_summary():
    print("| Course | Subject | Option | Questions | Types (count) |")
    print("|---|---|---|---|---|")
    for course, subject, option, _, questions in BANK:
        kinds = [q["type"] for q in questions]
        types = ", ".join(f"{TYPE_NAMES[k]} {kinds.count(k)}" for k in range(1, 7) if k in kinds)
        print(f"| {course} | {subject} | {option or '(none)'} | {len(questions)} | {types} |")
    print()
    print("| Question file | Graphic | X | Y | Region |")
    print("|---|---|---|---|---|")
    rows = []
    for course, subject, option, author, questions in BANK:
        for number, q in enumerate(questions, 1):
            rel = question_folder(course, subject, option).relative_to(DEMO / "Preguntas")
            if q["type"] == 4:
                x, y = REGIONS[q["graphic"]][q["region"]]
                print(f"| {rel}/{number}.txt | {q['graphic']} | {x} | {y} | {q['region']} |")
            elif q["type"] == 5:
                rows.append((f"{rel}/{number}.txt", q["text"], q["answer"]))
    print()
    print("| Question file | Text | Word | Place in its line |")
    print("|---|---|---|---|")
    for where, name, answer in rows:
        places = []
        for line in TEXTS[name]:
            tokens = line.split(" ")
            for i, token in enumerate(tokens):
                if token == answer:
                    places.append("first" if i == 0 else "last" if i == len(tokens) - 1
                                  else "inside")
        print(f"| {where} | {name} | {answer} | {', '.join(places)} |")


def main():
    if not CHECKER.is_file():
        print(f"{CHECKER.relative_to(ROOT)} is missing: build first (bash scripts/build.sh)",
              file=sys.stderr)
        return 1
    build()
    if "--summary" in sys.argv[1:]:
        print_summary()
    failures = media_failures()
    for failure in failures:
        print("FAILED", failure, file=sys.stderr)
    # Its problems and summary go straight to the terminal.
    checked = subprocess.run([str(CHECKER), str(DEMO)])
    return 1 if failures or checked.returncode != 0 else 0


if __name__ == "__main__":
    sys.exit(main())
