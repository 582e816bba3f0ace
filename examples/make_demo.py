#!/usr/bin/env python3
"""Writes demo.tvmc: the cursor draws a square around the screen's middle,
clicking at each corner. Run again after changing it; the output is stable."""
import os
import struct

EV_MOUSEMOVE, EV_LBUTTONDOWN, EV_LBUTTONUP = 0, 1, 2
BANNER = "Brenlow Tavorin Record File, recorded input event list"
DESCRIPTION = "Demo: the cursor walks a square and clicks at its corners."


def text_chunk(text):
    payload = (text + "\0").encode("utf-16-le")
    return struct.pack("<II", 8 + len(payload), 4) + payload


def events():
    corners = [(412, 284), (612, 284), (612, 484), (412, 484), (412, 284)]
    out = []
    for (x0, y0), (x1, y1) in zip(corners, corners[1:]):
        for step in range(20):
            x = x0 + (x1 - x0) * step // 20
            y = y0 + (y1 - y0) * step // 20
            out.append((EV_MOUSEMOVE, x, y, 0, 15))
        out.append((EV_LBUTTONDOWN, x1, y1, 0, 60))
        out.append((EV_LBUTTONUP, x1, y1, 0, 120))
    last = out[-1]
    out[-1] = last[:4] + (0,)
    return out


def record():
    body = text_chunk(BANNER) + text_chunk(DESCRIPTION)
    items = b"".join(struct.pack("<HHHhI", *e) for e in events())
    body += struct.pack("<II", 8 + len(items), 3) + items + struct.pack("<II", 8, 1)
    length = 20 + len(body)
    capacity = (length + 4095) // 4096 * 4096
    return struct.pack("<4sIIII", b"TVMC", 2, length, capacity, 4) + body


if __name__ == "__main__":
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "demo.tvmc")
    with open(path, "wb") as f:
        f.write(record())
