#!/usr/bin/env python3
"""Draws the parameter icons: one rounded square per icon key, coloured by family, with the
formula or symbol inside. Run it after changing the table; the SVGs are kept in the tree."""
import os

FAMILIES = {
    "gas": ("#2e7d32", "#1b5e20"),
    "temperature": ("#e65100", "#bf360c"),
    "pressure": ("#1565c0", "#0d47a1"),
    "computed": ("#6a1b9a", "#4a148c"),
    "ambient": ("#00838f", "#006064"),
    "other": ("#546e7a", "#37474f"),
}

# key: (family, main text, subscript text[, text after the subscript, lowered as a tag])
ICONS = {
    "o2": ("gas", "O", "2"),
    "co": ("gas", "CO", ""),
    "co2": ("gas", "CO", "2"),
    "no": ("gas", "NO", ""),
    "no2": ("gas", "NO", "2"),
    "nox": ("gas", "NO", "x"),
    "so2": ("gas", "SO", "2"),
    "h2": ("gas", "H", "2"),
    "cxhy": ("gas", "CxHy", ""),
    "ch4": ("gas", "CH", "4"),
    "h2s": ("gas", "H", "2", "S"),
    "tflue": ("temperature", "T", "f"),
    "tair": ("temperature", "T", "a"),
    "deltat": ("temperature", "\u0394T", ""),
    "tint": ("temperature", "T", "i"),
    "taux": ("temperature", "T", "x"),
    "dewpt": ("temperature", "T", "dp"),
    "draught": ("pressure", "Dr", ""),
    "pdiff": ("pressure", "\u0394P", ""),
    "patm": ("pressure", "P", "atm"),
    "eff": ("computed", "\u03b7", ""),
    "effcond": ("computed", "\u03b7", "c"),
    "loss": ("computed", "q", "A"),
    "excair": ("computed", "e", "%"),
    "lambda": ("computed", "\u03bb", ""),
    "ratio": ("computed", "R", ""),
    "coamb": ("ambient", "CO", "a"),
    "co2amb": ("ambient", "CO", "2", "a"),
    "smoke": ("other", "Sm", ""),
    "aux1": ("other", "A1", ""),
    "aux2": ("other", "A2", ""),
}

SQUARE = ('<rect x="1.5" y="1.5" width="29" height="29" rx="6" ry="6" fill="{fill}" '
          'stroke="{stroke}" stroke-width="1.5"/>\n'
          '<rect x="3.5" y="3.5" width="25" height="11" rx="4" ry="4" fill="#ffffff" '
          'fill-opacity="0.15"/>\n')

HEAD = ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n')


def text_size(main, sub, tail=""):
    length = len(main) + 0.7 * len(sub) + len(tail)
    return 15 if length <= 2.2 else 12 if length <= 3.2 else 9.5


def icon(family, main, sub, tail=""):
    fill, stroke = FAMILIES[family]
    size = text_size(main, sub, tail)
    body = HEAD + SQUARE.format(fill=fill, stroke=stroke)
    body += ('<text x="16" y="21" font-family="DejaVu Sans, Arial, sans-serif" '
             f'font-size="{size}" font-weight="bold" fill="#ffffff" text-anchor="middle">{main}')
    if sub:
        body += (f'<tspan font-size="{size * 0.62:.1f}" dy="3">{sub}</tspan>')
    if tail:
        # "S" of H2S stays on the line; an ambient tag stays small and low.
        if tail.isupper():
            body += f'<tspan dy="-3">{tail}</tspan>'
        else:
            body += f'<tspan font-size="{size * 0.62:.1f}">{tail}</tspan>'
    body += '</text>\n</svg>\n'
    return body


SPECIAL = {
    "empty": HEAD + '<rect x="2" y="2" width="28" height="28" rx="6" ry="6" fill="none" '
    'stroke="#90a4ae" stroke-width="1.5" stroke-dasharray="3 2"/>\n</svg>\n',
    "endlist": HEAD + SQUARE.format(fill="#cfd8dc", stroke="#90a4ae") +
    '<text x="16" y="20" font-family="DejaVu Sans, Arial, sans-serif" font-size="8.5" '
    'font-weight="bold" fill="#455a64" text-anchor="middle">####</text>\n</svg>\n',
    # Drawn over an icon: a corner badge that marks the undiluted or secondary value.
    "overlay": HEAD + '<circle cx="25" cy="25" r="6" fill="#fdd835" stroke="#ffffff" '
    'stroke-width="1.5"/>\n<path d="M25 21.5 v7 M21.5 25 h7" stroke="#5d4037" '
    'stroke-width="1.8" stroke-linecap="round"/>\n</svg>\n',
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for key, shape in ICONS.items():
        with open(os.path.join(here, key + ".svg"), "w", encoding="utf-8") as out:
            out.write(icon(*shape))
    for key, body in SPECIAL.items():
        with open(os.path.join(here, key + ".svg"), "w", encoding="utf-8") as out:
            out.write(body)


if __name__ == "__main__":
    main()
