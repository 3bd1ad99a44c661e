#!/usr/bin/python3
"""Draws Lumbrafix's artwork: the product picture of the information window and splash
(a 369 x 270 baseline JFIF JPEG) and the program icons, from one drawing of a fanned stack
of file icons under a magnifying glass.

Run by hand after changing the artwork; the build only compiles the files it writes in:
    tools/make-picture.py            (from the repository's top folder)
Needs Debian's python3-pil and fonts-dejavu-core.
"""

import math
import pathlib

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = pathlib.Path(__file__).resolve().parent.parent
PICTURE = ROOT / "src/resources/pictures/lumbrafix.jpg"
ICON_FOLDER = ROOT / "src/resources/icons"
ICON_SIZES = (16, 32, 48, 64, 128, 256)
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_PLAIN = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
SUPERSAMPLE = 4

# The files of the stack, back to front: label, band colour, tilt in degrees, offset (x, y)
# as fractions of the emblem's size.
FILES = (
    (".ZIP", (230, 160, 30), -16, (-0.29, 0.06)),
    (".MP3", (60, 170, 90), 14, (0.29, 0.05)),
    (".DOC", (45, 105, 200), -7, (-0.12, 0.00)),
    (".PDF", (205, 50, 45), 5, (0.11, -0.02)),
)


def font(path, size):
    return ImageFont.truetype(path, max(1, int(size)))


def file_icon(width, label, band, with_label):
    """One document: white sheet with a folded corner, a coloured band and the extension."""
    height = int(width * 1.3)
    fold = width // 4
    tile = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    draw = ImageDraw.Draw(tile)
    outline = max(1, width // 40)
    sheet = [(0, 0), (width - fold, 0), (width - 1, fold), (width - 1, height - 1), (0, height - 1)]
    draw.polygon(sheet, fill=(250, 250, 247, 255), outline=(90, 100, 115, 255))
    draw.line(sheet + [sheet[0]], fill=(90, 100, 115, 255), width=outline)
    corner = [(width - fold, 0), (width - fold, fold), (width - 1, fold)]
    draw.polygon(corner, fill=(205, 212, 222, 255), outline=(90, 100, 115, 255))
    for row in range(3):  # lines of text on the sheet
        y = int(height * (0.30 + row * 0.09))
        draw.rectangle([width * 0.14, y, width * (0.72 if row < 2 else 0.5), y + outline * 2],
                       fill=(185, 192, 204, 255))
    top, bottom = int(height * 0.58), int(height * 0.84)
    draw.rectangle([0, top, width - 1, bottom], fill=band + (255,))
    if with_label:
        text_font = font(FONT_BOLD, (bottom - top) * 0.62)
        box = draw.textbbox((0, 0), label, font=text_font)
        x = (width - (box[2] - box[0])) / 2 - box[0]
        y = top + (bottom - top - (box[3] - box[1])) / 2 - box[1]
        draw.text((x, y), label, font=text_font, fill=(255, 255, 255, 255))
    return tile


def shadow_of(tile, blur):
    alpha = tile.getchannel("A").point(lambda a: a * 0.45)
    shadow = Image.new("RGBA", tile.size, (0, 0, 0, 0))
    shadow.putalpha(alpha)
    return shadow.filter(ImageFilter.GaussianBlur(blur))


def paste_centred(canvas, tile, centre):
    canvas.alpha_composite(tile, (int(centre[0] - tile.width / 2), int(centre[1] - tile.height / 2)))


def magnifier(size):
    """A lens with a handle, drawn on its own square tile."""
    tile = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(tile)
    radius = size * 0.30
    cx = cy = size * 0.38
    rim = max(2, int(size * 0.07))
    angle = math.radians(45)
    start = (cx + radius * math.cos(angle), cy + radius * math.sin(angle))
    end = (size * 0.94, size * 0.94)
    draw.line([start, end], fill=(60, 40, 25, 255), width=int(rim * 1.9))
    draw.ellipse([cx - radius, cy - radius, cx + radius, cy + radius],
                 fill=(200, 235, 255, 90), outline=(225, 230, 238, 255), width=rim)
    glint = radius * 0.55
    draw.arc([cx - glint, cy - glint, cx + glint, cy + glint], 200, 250,
             fill=(255, 255, 255, 220), width=max(1, rim // 2))
    return tile


def emblem(size, with_labels=True, spread=1.0):
    """The stack of files with the magnifier, on a transparent square of `size` pixels; the
    icons fan the files less (`spread`) so that they stay inside the square."""
    canvas = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    file_width = int(size * 0.48)
    for label, band, tilt, (dx, dy) in FILES:
        tile = file_icon(file_width, label, band, with_labels)
        tile = tile.rotate(tilt, resample=Image.BICUBIC, expand=True)
        centre = (size * (0.5 + dx * spread), size * (0.45 + dy * spread))
        paste_centred(canvas, shadow_of(tile, size / 60), (centre[0] + size / 60, centre[1] + size / 40))
        paste_centred(canvas, tile, centre)
    glass = magnifier(int(size * 0.46))
    paste_centred(canvas, shadow_of(glass, size / 50), (size * 0.80, size * 0.79))
    paste_centred(canvas, glass, (size * 0.78, size * 0.76))
    return canvas


def background(width, height):
    """Deep blue to teal from top to bottom, with a soft light behind the stack."""
    image = Image.new("RGBA", (width, height))
    draw = ImageDraw.Draw(image)
    top, bottom = (14, 36, 66), (24, 112, 132)
    for y in range(height):
        t = y / (height - 1)
        draw.line([(0, y), (width, y)], fill=tuple(int(a + (b - a) * t) for a, b in zip(top, bottom)))
    glow = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    ImageDraw.Draw(glow).ellipse([width * 0.18, height * 0.32, width * 0.82, height * 1.05],
                                 fill=(120, 200, 220, 90))
    image.alpha_composite(glow.filter(ImageFilter.GaussianBlur(width / 12)))
    return image


def shadowed_text(canvas, centre_x, top, text, text_font, colour):
    draw = ImageDraw.Draw(canvas)
    box = draw.textbbox((0, 0), text, font=text_font)
    x = centre_x - (box[2] - box[0]) / 2 - box[0]
    offset = max(1, text_font.size // 18)
    layer = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    ImageDraw.Draw(layer).text((x + offset, top + offset), text, font=text_font, fill=(0, 0, 0, 150))
    canvas.alpha_composite(layer.filter(ImageFilter.GaussianBlur(offset)))
    draw.text((x, top), text, font=text_font, fill=colour)


def picture():
    s = SUPERSAMPLE
    width, height = 369 * s, 270 * s
    canvas = background(width, height)
    stack = emblem(int(180 * s))
    canvas.alpha_composite(stack, (int(width / 2 - stack.width / 2), int(92 * s)))
    shadowed_text(canvas, width / 2, 14 * s, "Lumbrafix", font(FONT_BOLD, 50 * s), (255, 255, 255))
    shadowed_text(canvas, width / 2, 74 * s, "file extensions, looked up offline",
                  font(FONT_PLAIN, 13 * s), (200, 228, 240))
    return canvas.resize((369, 270), Image.LANCZOS).convert("RGB")


def icon(size):
    big = emblem(size * SUPERSAMPLE * (2 if size < 48 else 1), with_labels=size >= 48, spread=0.45)
    return big.resize((size, size), Image.LANCZOS)


def main():
    PICTURE.parent.mkdir(parents=True, exist_ok=True)
    picture().save(PICTURE, "JPEG", quality=90, optimize=False, progressive=False, subsampling="4:2:0")
    ICON_FOLDER.mkdir(parents=True, exist_ok=True)
    for size in ICON_SIZES:
        icon(size).save(ICON_FOLDER / f"lumbrafix-{size}.png", optimize=True)


if __name__ == "__main__":
    main()
