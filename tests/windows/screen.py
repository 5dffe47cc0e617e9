#!/usr/bin/env python3
"""Readings of a 640x480 screenshot of the game, against the forged pictures (as the browser
test reads its canvas):

  screen.py titles IMAGES PREFIX N  screenshots of $DISPLAY until N of the title's pictures have
                                    shown whole (saved as PREFIX-K.png); prints their numbers K
  screen.py score SHOT IMAGES       the HUD's score, or "none" while its digits are not shown
  screen.py ship SHOT IMAGES        the corner "x y" of the hero's 31x40 cell, or "none"
"""
import os
import subprocess
import sys

W, H = 640, 480


def rgb(path):
    """(width, height, bytes) of a picture, three bytes a pixel."""
    size = subprocess.run(["identify", "-format", "%w %h", path + "[0]"], check=True,
                          stdout=subprocess.PIPE, text=True).stdout.split()
    data = subprocess.run(["convert", path + "[0]", "-depth", "8", "rgb:-"], check=True,
                          stdout=subprocess.PIPE).stdout
    return int(size[0]), int(size[1]), data


def screen(path):
    w, h, data = rgb(path)
    if (w, h) != (W, H):
        raise SystemExit(f"{path}: {w}x{h}, not the game's {W}x{H}")
    return data


def titles(images, prefix, wanted):
    """The title's pictures turn every 91 ms: a screenshot may catch one whole or torn."""
    pictures = [rgb(f"{images}/Panorama/Programmer{n}.png")[2] for n in range(1, 6)]
    seen = []
    for _ in range(40 * wanted):
        shot = prefix + ".png"
        subprocess.run(["import", "-window", "root", shot], stderr=subprocess.DEVNULL)
        shown = screen(shot)
        for number, picture in enumerate(pictures, 1):
            if picture == shown and number not in seen:
                os.replace(shot, f"{prefix}-{number}.png")
                seen.append(number)
        if len(seen) >= wanted:
            break
    return seen


def score(shot, images):
    shown = screen(shot)
    sheets = [rgb(f"{images}/Panorama/{name}") for name in ("PlancheScore.png", "PlancheScore_Jaune.png")]
    value = 0
    for k in range(5):
        found = None
        for sw, _, sheet in sheets:
            for digit in range(10):
                if all(sheet[3 * (py * sw + 22 * digit):3 * (py * sw + 22 * digit + 22)] ==
                       shown[3 * ((40 + py) * W + 515 + 22 * k):3 * ((40 + py) * W + 515 + 22 * k + 22)]
                       for py in range(22)):
                    found = digit
                    break
            if found is not None:
                break
        if found is None:
            return None
        value = value * 10 + found
    return value


def ship(shot, images):
    """The best place where one of the hero's cells shows, most of its sampled pixels matching."""
    shown = screen(shot)
    key = bytes((255, 0, 255))
    best = None
    for name in ("Planche_MyHeros_1.png", "Planche_MyHeros_2.png"):
        sw, _, sheet = rgb(f"{images}/Heros/{name}")
        for row in range(3):
            for column in range(6):
                samples = []
                for py in range(0, 40, 3):
                    for px in range(0, 31, 3):
                        i = 3 * ((row * 40 + py) * sw + column * 31 + px)
                        if sheet[i:i + 3] != key:
                            samples.append((px, py, sheet[i:i + 3]))
                if len(samples) <= 20:
                    continue
                allowed = len(samples) >> 3
                # Candidates come from the rarest of a few sampled colours on the screen.
                anchor = min(samples[::max(1, len(samples) // 6)], key=lambda s: shown.count(s[2]))
                ax, ay, colour = anchor
                at = shown.find(colour)
                while at >= 0:
                    if at % 3 == 0:
                        x, y = (at // 3) % W - ax, (at // 3) // W - ay
                        if 130 <= x <= 480 and 0 <= y <= 440:
                            misses = 0
                            for px, py, c in samples:
                                i = 3 * ((y + py) * W + x + px)
                                if shown[i:i + 3] != c:
                                    misses += 1
                                    if misses > allowed:
                                        break
                            if misses <= allowed and (best is None or misses < best[2]):
                                best = (x, y, misses)
                    at = shown.find(colour, at + 1)
    return best and best[:2]


def main():
    args = sys.argv[1:]
    if len(args) == 4 and args[0] == "titles":
        print(" ".join(str(n) for n in titles(args[1], args[2], int(args[3]))))
    elif len(args) == 3 and args[0] == "score":
        value = score(args[1], args[2])
        print("none" if value is None else value)
    elif len(args) == 3 and args[0] == "ship":
        place = ship(args[1], args[2])
        print("none" if place is None else f"{place[0]} {place[1]}")
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main()
