#!/usr/bin/env python3
"""Writes the program's 16 x 16 SVG pictures and diagram/artwork.qrc.

Run by hand after changing a drawing: python3 resources/icons/generate.py
Shapes sit on the pixel grid: fills cover whole pixels, outlines are 1-px strokes on half pixels.
A member glyph is drawn in a 13 x 13 cell; its class (or group) is the same glyph stacked twice.
"""

import math
import re
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
QRC = HERE.parent.parent / "diagram" / "artwork.qrc"

INK = "#2b3a4e"  # outline of every shape
GRID = "#8e9aa8"  # thin inner lines
WHITE = "#ffffff"
BLUE, BLUE_L = "#3f7fc4", "#c9def5"
GREEN, GREEN_L = "#3f9a52", "#cfeacb"
AMBER, AMBER_L = "#e2a32b", "#f9e3a8"
RED, RED_L = "#cc4a3f", "#f4cdc8"
VIOLET, VIOLET_L = "#8062bd", "#e0d6f2"
TEAL, TEAL_L = "#2a938e", "#c6e8e5"
GREY, GREY_L = "#8a939d", "#e3e6e9"
BROWN, BROWN_L = "#b07a3c", "#ecd2a6"
STACK = "#dde3ea"  # back sheets of a stack
STACK_INK = "#9aa6b4"  # details drawn on a back sheet


def box(x, y, w, h, fill, stroke=INK, rx=0):
    """Outlined rectangle covering pixels x..x+w-1, y..y+h-1."""
    r = f' rx="{rx}"' if rx else ""
    return (f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{w - 1}" height="{h - 1}"{r} '
            f'fill="{fill}" stroke="{stroke}"/>')


def px(x, y, w, h, fill):
    """Solid block of whole pixels."""
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}"/>'


def poly(points, fill, stroke=INK):
    d = " ".join(f"{x},{y}" for x, y in points)
    return f'<polygon points="{d}" fill="{fill}" stroke="{stroke}" stroke-linejoin="round"/>'


def circle(cx, cy, r, fill, stroke=INK):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}" stroke="{stroke}"/>'


def line(points, stroke=INK, width=1):
    d = " ".join(f"{x},{y}" for x, y in points)
    return (f'<polyline points="{d}" fill="none" stroke="{stroke}" stroke-width="{width}" '
            f'stroke-linecap="square" stroke-linejoin="miter"/>')


def bits(x, y, rows, fill):
    """A small bitmap: '#' marks a pixel."""
    out = []
    for dy, row in enumerate(rows):
        for dx, c in enumerate(row):
            if c == "#":
                out.append(px(x + dx, y + dy, 1, 1, fill))
    return "".join(out)


def page(fill=WHITE):
    """Sheet with a folded corner over the whole cell."""
    return (poly([(1.5, 0.5), (8.5, 0.5), (11.5, 3.5), (11.5, 12.5), (1.5, 12.5)], fill)
            + poly([(8.5, 0.5), (8.5, 3.5), (11.5, 3.5)], GREY_L))


def module(colour):
    return page() + bits(3, 5, ["##", "#.", "#.", "#.", "#.", "#.", "##"], colour) + bits(
        8, 5, ["##", ".#", ".#", ".#", ".#", ".#", "##"], colour) + px(2, 8, 1, 1, colour) + px(
            10, 8, 1, 1, colour)


def window(title):
    return box(0, 1, 13, 11, WHITE) + px(1, 2, 11, 2, title) + px(1, 4, 11, 1, INK)


def form(title):
    return (window(title) + px(2, 6, 3, 1, GRID) + box(6, 5, 5, 3, WHITE)
            + px(2, 9, 3, 1, GRID) + box(6, 8, 5, 3, WHITE))


def layout(block):
    return (box(1, 0, 11, 13, WHITE) + px(3, 2, 7, 2, block) + px(3, 5, 3, 3, block)
            + px(7, 5, 3, 3, GRID) + px(3, 9, 7, 2, block))


def table(header):
    return (box(0, 1, 13, 11, WHITE) + px(1, 2, 11, 2, header) + px(1, 4, 11, 1, INK)
            + px(1, 7, 11, 1, GRID) + px(4, 5, 1, 6, GRID) + px(8, 5, 1, 6, GRID))


def register(header, mark):
    """Record table with a round badge naming the register's kind."""
    return (box(0, 0, 12, 10, WHITE) + px(1, 1, 10, 2, header) + px(1, 3, 10, 1, INK)
            + px(1, 6, 10, 1, GRID) + px(4, 4, 1, 5, GRID) + px(7, 4, 1, 5, GRID)
            + circle(9.5, 9.5, 3, WHITE) + mark)


def field(fill, mark):
    """Input field: a coloured mark and a line of text."""
    return box(0, 3, 13, 7, fill, rx=1) + mark + px(6, 6, 5, 1, INK)


def globe(cx, cy, r, fill):
    return (circle(cx, cy, r, fill)
            + f'<ellipse cx="{cx}" cy="{cy}" rx="{r / 2.2:.2f}" ry="{r}" fill="none" '
              f'stroke="{INK}" stroke-width="0.8"/>'
            + f'<line x1="{cx - r}" y1="{cy}" x2="{cx + r}" y2="{cy}" stroke="{INK}" '
              f'stroke-width="0.8"/>')


def gear(cx, cy, outer, inner, teeth, fill):
    pts = []
    for i in range(teeth * 4):
        a = math.pi * 2 * i / (teeth * 4) - math.pi / 2
        r = outer if i % 4 in (1, 2) else inner
        pts.append((round(cx + r * math.cos(a), 2), round(cy + r * math.sin(a), 2)))
    return poly(pts, fill) + circle(cx, cy, 1.6, WHITE)


# Member glyphs in a 13 x 13 cell.
G = {}
G["catalog"] = (box(1, 0, 11, 13, BLUE) + px(3, 1, 1, 11, INK) + box(5, 3, 5, 3, WHITE))
G["document"] = page() + px(3, 5, 7, 1, BLUE) + px(3, 7, 7, 1, BLUE) + px(3, 9, 5, 1, BLUE)
G["documentjournal"] = (box(1, 1, 11, 12, WHITE) + px(3, 0, 1, 3, INK) + px(6, 0, 1, 3, INK)
                        + px(9, 0, 1, 3, INK) + px(3, 5, 2, 1, AMBER) + px(6, 5, 4, 1, GRID)
                        + px(3, 7, 2, 1, AMBER) + px(6, 7, 4, 1, GRID) + px(3, 9, 2, 1, AMBER)
                        + px(6, 9, 4, 1, GRID))
G["enum"] = "".join(box(0, y, 4, 4, VIOLET) + px(5, y + 1, length, 2, INK if y == 0 else GRID)
                    for y, length in ((0, 8), (4, 8), (9, 6)))
G["enumvalue"] = box(0, 3, 13, 7, VIOLET_L, rx=1) + box(2, 5, 3, 3, VIOLET) + px(6, 6, 5, 1, INK)
G["constant"] = (box(0, 1, 13, 11, TEAL_L, rx=1)
                 + bits(2, 3, ["#########", "#########", "..##..##.", "..##..##.", "..##..##.",
                               ".##...##.", "##....###"], INK))
G["report"] = (box(0, 0, 13, 13, WHITE) + box(2, 6, 3, 6, GREEN) + box(5, 2, 3, 10, BLUE)
               + box(8, 4, 3, 8, AMBER))
G["dataprocessor"] = gear(6.5, 6.5, 6.3, 4.4, 8, "#7f95ae")
G["role"] = (circle(4.5, 3.5, 2.5, "#f0c592")
             + '<path d="M0.5,12.5 V9.5 Q0.5,6.5 4.5,6.5 Q8.5,6.5 8.5,9.5 V12.5 Z" fill="' + BLUE
             + f'" stroke="{INK}"/>' + circle(9.5, 6.5, 2.5, AMBER) + circle(9.5, 6.5, 0.8, WHITE)
             + box(9, 8, 2, 5, AMBER) + px(11, 11, 1, 1, INK))
G["subsystem"] = (box(4, 0, 5, 4, AMBER) + box(0, 9, 5, 4, BLUE) + box(8, 9, 5, 4, BLUE)
                  + px(6, 4, 1, 3, INK) + px(2, 6, 9, 1, INK) + px(2, 7, 1, 2, INK)
                  + px(10, 7, 1, 2, INK))
G["commonmodule"] = module(AMBER)
G["objectmodule"] = module(BLUE)
G["sessionparameter"] = (poly([(0.5, 6.5), (4.5, 2.5), (12.5, 2.5), (12.5, 10.5), (4.5, 10.5)],
                              TEAL_L) + circle(4.5, 6.5, 1.2, WHITE) + px(7, 5, 4, 1, INK)
                         + px(7, 7, 3, 1, INK))
G["exchangeplan"] = (poly([(0.5, 2.5), (7.5, 2.5), (7.5, 0.5), (11.5, 3.5), (7.5, 6.5),
                           (7.5, 4.5), (0.5, 4.5)], GREEN)
                     + poly([(12.5, 8.5), (5.5, 8.5), (5.5, 6.5), (1.5, 9.5), (5.5, 12.5),
                             (5.5, 10.5), (12.5, 10.5)], BLUE))
G["xdtopackage"] = (box(0, 3, 13, 10, BROWN_L) + poly([(0.5, 3.5), (2.5, 0.5), (10.5, 0.5),
                                                       (12.5, 3.5)], BROWN)
                    + box(5, 3, 3, 10, BROWN) + px(5, 0, 3, 1, INK))
G["webservice"] = globe(6.5, 6.5, 6, BLUE_L)
G["wsreference"] = (globe(5.5, 5.5, 5, BLUE_L)
                    + poly([(7.5, 12.5), (7.5, 9.5), (6.5, 9.5), (9.5, 6.5), (12.5, 9.5),
                            (11.5, 9.5), (11.5, 12.5)], GREEN))
G["style"] = ('<path d="M6.5,0.5 C10.5,0.5 12.5,3 12.5,6 C12.5,8.5 10,8.5 9,8.5 C7.5,8.5 7.5,10 '
              f'8,11 C8.5,12 7.5,12.5 6.5,12.5 C3,12.5 0.5,10 0.5,6.5 C0.5,3 3,0.5 6.5,0.5 Z" '
              f'fill="#f6e7c8" stroke="{INK}"/>' + circle(3.5, 7.5, 1.3, RED)
              + circle(4, 4, 1.3, BLUE) + circle(7.5, 3, 1.3, GREEN)
              + circle(10, 5.3, 1.2, AMBER))
G["form"] = form(BLUE)
G["commonform"] = form(AMBER)
G["template"] = layout(RED_L)
G["commontemplate"] = layout(AMBER_L)
G["filtercriterion"] = poly([(0.5, 0.5), (12.5, 0.5), (7.5, 6.5), (7.5, 11.5), (5.5, 12.5),
                             (5.5, 6.5)], TEAL_L) + px(1, 1, 11, 1, TEAL)
G["eventsubscription"] = poly([(7.5, 0.5), (1.5, 7.5), (6.0, 7.5), (4.5, 12.5), (11.5, 4.5),
                               (7.0, 4.5), (9.5, 0.5)], AMBER)
G["scheduledjob"] = (box(0, 1, 13, 12, WHITE) + px(1, 2, 11, 3, RED) + px(1, 5, 11, 1, INK)
                     + px(3, 0, 1, 3, INK) + px(9, 0, 1, 3, INK)
                     + "".join(px(x, y, 2, 2, GRID) for x in (2, 5, 8) for y in (7, 10)
                               if (x, y) != (8, 10)) + px(8, 10, 2, 2, RED))
G["interface"] = (box(0, 1, 13, 11, WHITE) + px(1, 2, 11, 2, GREY_L) + px(2, 3, 2, 1, INK)
                  + px(6, 3, 2, 1, INK) + px(10, 3, 1, 1, INK) + box(4, 4, 7, 7, WHITE)
                  + px(5, 6, 4, 1, INK) + px(5, 8, 4, 1, GRID) + px(1, 4, 3, 1, INK)
                  + px(11, 4, 1, 1, INK))
G["commonpicture"] = (box(0, 1, 13, 11, "#d6ecfa")
                      + poly([(1, 11.5), (5, 5.5), (8, 9), (9.5, 7.5), (12, 11.5)], GREEN)
                      + circle(9.5, 4.5, 1.5, AMBER))
G["language"] = (poly([(0.5, 0.5), (12.5, 0.5), (12.5, 9.5), (6.5, 9.5), (3.5, 12.5), (3.5, 9.5),
                       (0.5, 9.5)], WHITE)
                 + bits(2, 2, [".###.", "#...#", "#...#", "#####", "#...#", "#...#"], BLUE)
                 + bits(8, 3, [".##.", "...#", ".###", "#..#", ".###"], BLUE))
G["dimension"] = (box(0, 3, 13, 7, "#b9c8d8") + "".join(px(x, 4, 1, 3 if x % 4 == 2 else 2, INK)
                                                          for x in range(2, 12, 2)))
G["resource"] = (f'<ellipse cx="6.5" cy="9.5" rx="6" ry="3" fill="{AMBER}" stroke="{INK}"/>'
                 + px(1, 5, 11, 5, AMBER)
                 + px(0, 5, 1, 5, INK) + px(12, 5, 1, 5, INK)
                 + f'<ellipse cx="6.5" cy="5.5" rx="6" ry="3" fill="{AMBER_L}" stroke="{INK}"/>')
G["graph"] = (box(0, 1, 13, 11, WHITE) + px(5, 2, 3, 9, BLUE_L) + px(1, 4, 11, 1, INK)
              + px(4, 2, 1, 9, INK) + px(8, 2, 1, 9, INK) + px(5, 2, 3, 2, BLUE))
G["tabularsection"] = table(GREEN)
G["tabularsectionattribute"] = (box(0, 1, 13, 11, WHITE) + px(1, 2, 11, 2, GREEN_L)
                                + px(1, 4, 11, 1, INK) + px(1, 7, 11, 1, GRID)
                                + px(4, 5, 1, 6, GRID) + px(8, 5, 1, 6, GRID)
                                + box(4, 4, 5, 4, GREEN))
G["attribute"] = field(WHITE, box(2, 5, 3, 3, BLUE))
G["standardattribute"] = field(GREY_L, box(2, 5, 3, 3, GREY))
G["addressingattribute"] = (box(0, 2, 13, 9, WHITE) + line([(0.5, 2.5), (6.5, 7.5), (12.5, 2.5)])
                            + px(1, 3, 11, 1, WHITE) + line([(1, 3), (6.5, 7.5), (12, 3)], AMBER))
G["predefineditem"] = (line([(3, 10), (0.5, 12.5)], GREY, 1.5)
                       + poly([(4.5, 4.5), (8.5, 8.5), (6.5, 10.5), (2.5, 6.5)], RED)
                       + poly([(6.5, 4.5), (8.5, 0.5), (12.5, 4.5), (8.5, 6.5)], RED_L))
G["routepoint"] = poly([(6.5, 0.5), (12.5, 6.5), (6.5, 12.5), (0.5, 6.5)], GREEN_L) + poly(
    [(5.5, 4.5), (8.5, 6.5), (5.5, 8.5)], GREEN)
G["businessprocess"] = (box(0, 0, 6, 5, GREEN_L) + box(7, 8, 6, 5, GREEN_L) + px(2, 5, 1, 5, INK)
                        + px(3, 9, 2, 1, INK) + poly([(4.5, 7.5), (6.5, 9.5), (4.5, 11.5)], INK)
                        + circle(10, 2.5, 2, GREEN) + px(8, 2, 1, 1, INK))
G["task"] = (box(0, 0, 13, 13, WHITE, rx=1)
             + line([(3, 6.5), (5.5, 9), (10, 3.5)], GREEN, 2))
G["chartofcharacteristictypes"] = (px(0, 2, 13, 1, INK) + px(0, 6, 13, 1, INK) + px(0, 10, 13, 1, INK)
                                   + box(2, 0, 3, 5, BLUE) + box(8, 4, 3, 5, GREEN)
                                   + box(4, 8, 3, 5, AMBER))
G["chartofaccounts"] = (box(0, 0, 13, 13, WHITE) + px(1, 1, 11, 2, GREEN) + px(1, 3, 11, 1, INK)
                        + px(6, 4, 1, 8, INK) + px(2, 6, 3, 1, GRID) + px(2, 8, 3, 1, GRID)
                        + px(8, 6, 3, 1, GRID) + px(8, 8, 3, 1, GRID) + px(8, 10, 2, 1, GRID))
G["chartofcalculationtypes"] = (box(1, 0, 11, 13, "#9fb0c2", rx=1) + box(3, 2, 7, 3, "#e3f2d7")
                                + "".join(px(x, y, 2, 2, WHITE if (x, y) != (8, 10) else AMBER)
                                          for x in (3, 6, 8) for y in (7, 10)))
G["informationregister"] = register(BLUE, px(9, 7, 1, 1, INK) + px(9, 9, 1, 3, INK))
G["accumulationregister"] = register(GREEN, px(8, 9, 3, 1, INK) + px(9, 8, 1, 3, INK))
G["accountingregister"] = register(AMBER, px(8, 8, 3, 1, INK) + px(8, 10, 3, 1, INK))
G["calculationregister"] = register(VIOLET, px(8, 8, 1, 1, INK) + px(10, 10, 1, 1, INK)
                                    + px(10, 8, 1, 1, INK) + px(9, 9, 1, 1, INK)
                                    + px(8, 10, 1, 1, INK))
G["othernode"] = box(0, 3, 13, 7, GREY_L, rx=2) + px(3, 6, 1, 1, INK) + px(6, 6, 1, 1, INK) + px(
    9, 6, 1, 1, INK)

# Members and their classes (or groups): the class is the member glyph stacked.
STACKED = {
    "subsystems": "subsystem", "commonmodules": "commonmodule",
    "sessionparameters": "sessionparameter", "roles": "role", "exchangeplans": "exchangeplan",
    "xdtopackages": "xdtopackage", "webservices": "webservice", "wsreferences": "wsreference",
    "styles": "style", "commonforms": "commonform", "commontemplates": "commontemplate",
    "filtercriteria": "filtercriterion", "eventsubscriptions": "eventsubscription",
    "scheduledjobs": "scheduledjob", "interfaces": "interface",
    "calculationregisters": "calculationregister", "templatesgroup": "template",
    "commonpictures": "commonpicture", "dimensionsgroup": "dimension", "languages": "language",
    "constants": "constant", "catalogs": "catalog", "documents": "document",
    "resourcesgroup": "resource", "graphsgroup": "graph", "valuesgroup": "enumvalue",
    "documentjournals": "documentjournal", "addressingattributesgroup": "addressingattribute",
    "enums": "enum", "attributesgroup": "attribute", "reports": "report",
    "dataprocessors": "dataprocessor", "chartsofcharacteristictypes": "chartofcharacteristictypes",
    "chartsofaccounts": "chartofaccounts", "tabularsectionsgroup": "tabularsection",
    "formsgroup": "form", "chartsofcalculationtypes": "chartofcalculationtypes",
    "informationregisters": "informationregister",
    "accumulationregisters": "accumulationregister",
    "accountingregisters": "accountingregister", "businessprocesses": "businessprocess",
    "tasks": "task",
}


def member(glyph):
    return f'<g transform="translate(1 1)">{glyph}</g>'


def ghost(glyph):
    """The glyph's outlines over one light fill: the back sheet of a stack."""
    return re.sub(r'fill="(#[0-9a-f]{6})"',
                  lambda m: f'fill="{STACK_INK if m.group(1) == INK else STACK}"', glyph)


def stacked(glyph):
    return (f'<g transform="translate(3 0)">{ghost(glyph)}</g>'
            f'<g transform="translate(0 3)">{glyph}</g>')


# Pictures drawn over the whole 16 x 16 square.
FULL = {}
FULL["configuration"] = (poly([(8, 0.5), (15.5, 4), (8, 7.5), (0.5, 4)], BLUE_L)
                         + poly([(0.5, 4), (8, 7.5), (8, 15.5), (0.5, 12)], BLUE)
                         + poly([(8, 7.5), (15.5, 4), (15.5, 12), (8, 15.5)], "#2c5f99"))
FULL["commonnode"] = (poly([(0.5, 2.5), (5.5, 2.5), (7.5, 4.5), (15.5, 4.5), (15.5, 13.5),
                            (0.5, 13.5)], AMBER) + box(0, 6, 16, 8, AMBER_L))
FULL["procedure"] = (box(0, 1, 16, 14, GREEN_L, rx=2)
                     + bits(5, 3, ["#####.", "##..##", "##..##", "##..##", "#####.", "##....",
                                   "##....", "##....", "##...."], INK))
FULL["function"] = (box(0, 1, 16, 14, BLUE_L, rx=2)
                    + bits(1, 3, ["..##", ".#..", ".#..", "###.", ".#..", ".#..", ".#..", ".#..",
                                  "#..."], INK)
                    + bits(6, 4, [".#", "#.", "#.", "#.", "#.", "#.", ".#"], INK)
                    + bits(9, 6, ["#.#", ".#.", "#.#"], INK)
                    + bits(12, 4, ["#.", ".#", ".#", ".#", ".#", ".#", "#."], INK))
FULL["currentdata"] = (box(0, 1, 14, 14, WHITE) + px(1, 2, 12, 2, BLUE) + px(1, 4, 12, 1, INK)
                       + px(3, 6, 8, 1, GRID) + px(1, 8, 12, 3, AMBER_L) + px(3, 9, 8, 1, INK)
                       + px(3, 12, 6, 1, GRID) + poly([(13.5, 7.5), (15.5, 9.5), (13.5, 11.5)],
                                                      AMBER))
FULL["history"] = (circle(8.5, 8, 6.5, WHITE) + px(8, 4, 1, 5, INK) + px(9, 8, 3, 1, INK)
                   + poly([(0.5, 4.5), (4.5, 4.5), (0.5, 8.5)], BLUE))
FULL["table"] = member(table(GREY))
FULL["img1"] = box(3, 3, 10, 10, BLUE_L, rx=1) + px(6, 6, 4, 4, BLUE)
FULL["img2"] = poly([(8, 3.5), (12.5, 8), (8, 12.5), (3.5, 8)], WHITE) + px(7, 7, 2, 2, GREY)
FULL["historyclear"] = (box(1, 1, 12, 14, WHITE) + px(3, 4, 8, 1, GRID) + px(3, 7, 8, 1, GRID)
                        + px(3, 10, 8, 1, GRID) + circle(11.5, 11.5, 4, RED)
                        + line([(10, 10), (13, 13)], WHITE, 1.5) + line([(13, 10), (10, 13)], WHITE, 1.5))
FULL["historydelete"] = (box(1, 1, 12, 14, WHITE) + px(3, 4, 8, 1, GRID) + px(2, 7, 10, 3, BLUE_L)
                         + px(3, 8, 8, 1, INK) + px(3, 12, 8, 1, GRID) + box(9, 9, 7, 5, RED)
                         + px(10, 11, 5, 1, WHITE))
FULL["historyprevious"] = poly([(8, 1.5), (14.5, 8.5), (10.5, 8.5), (10.5, 14.5), (5.5, 14.5),
                                (5.5, 8.5), (1.5, 8.5)], BLUE)
FULL["historynext"] = poly([(8, 14.5), (14.5, 7.5), (10.5, 7.5), (10.5, 1.5), (5.5, 1.5),
                            (5.5, 7.5), (1.5, 7.5)], BLUE)
FULL["historyshow"] = (box(0, 2, 10, 12, WHITE) + px(2, 5, 6, 1, GRID) + px(2, 8, 6, 1, GRID)
                       + px(2, 11, 6, 1, GRID) + poly([(7.5, 5.5), (11.5, 5.5), (11.5, 2.5),
                                                       (15.5, 8), (11.5, 13.5), (11.5, 10.5),
                                                       (7.5, 10.5)], GREEN))
FULL["copy"] = (box(0, 0, 10, 12, WHITE) + px(2, 3, 6, 1, GRID) + px(2, 6, 6, 1, GRID)
                + box(5, 4, 11, 12, WHITE) + px(7, 7, 6, 1, BLUE) + px(7, 10, 6, 1, BLUE)
                + px(7, 13, 4, 1, BLUE))
FULL["about"] = (circle(8, 8, 7.5, BLUE) + px(7, 3, 2, 2, WHITE) + px(7, 6, 2, 7, WHITE)
                 + px(6, 6, 1, 1, WHITE) + px(6, 12, 4, 1, WHITE))
FULL["openbase"] = (poly([(0.5, 2.5), (5.5, 2.5), (7.5, 4.5), (13.5, 4.5), (13.5, 13.5),
                          (0.5, 13.5)], AMBER)
                    + poly([(3.5, 7.5), (15.5, 7.5), (13.5, 13.5), (0.5, 13.5)], AMBER_L))
FULL["program"] = (box(0, 0, 16, 16, "#2f5f97", rx=3) + box(2, 2, 6, 4, AMBER_L)
                   + px(4, 6, 1, 7, WHITE) + px(5, 8, 3, 1, WHITE) + px(5, 12, 3, 1, WHITE)
                   + box(8, 6, 6, 4, BLUE_L) + box(8, 10, 6, 4, GREEN_L))

WIDE = {
    "module": (
        poly([(1.5, 0.5), (10.5, 0.5), (14.5, 4.5), (14.5, 15.5), (1.5, 15.5)], WHITE)
        + poly([(10.5, 0.5), (10.5, 4.5), (14.5, 4.5)], GREY_L)
        + bits(3, 5, ["##", "#.", "#.", "#.", "#.", "#.", "#.", "##"], BLUE)
        + bits(11, 5, ["##", ".#", ".#", ".#", ".#", ".#", ".#", "##"], BLUE)
        + px(2, 8, 1, 2, BLUE) + px(13, 8, 1, 2, BLUE) + px(6, 7, 4, 1, INK)
        + px(6, 10, 3, 1, INK)),
}


def svg(body, width=16):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="16" '
            f'viewBox="0 0 {width} 16" shape-rendering="geometricPrecision">\n{body}\n</svg>\n')


def main():
    files = {}
    for name, glyph in G.items():
        files[name] = svg(member(glyph))
    for name, single in STACKED.items():
        files[name] = svg(stacked(G[single]))
    for name, body in FULL.items():
        files[name] = svg(body)
    for name, body in WIDE.items():
        files[name] = svg(body, 17)
    for old in HERE.glob("*.svg"):
        if old.stem not in files:
            old.unlink()
    for name, text in files.items():
        (HERE / f"{name}.svg").write_text(text)
    entries = "\n".join(
        f'        <file alias="{n}.svg">../resources/icons/{n}.svg</file>' for n in sorted(files))
    QRC.write_text('<!DOCTYPE RCC>\n<RCC version="1.0">\n    <qresource prefix="/icons">\n'
                   f"{entries}\n    </qresource>\n</RCC>\n")
    print(f"{len(files)} pictures written")


if __name__ == "__main__":
    main()
