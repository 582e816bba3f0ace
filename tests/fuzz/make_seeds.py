#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into corpus/ beside this script.

The seeds are kept in the repository; run this again only to change them.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
BANNER = "Brenlow Tavorin Record File, recorded input event list"

MAGIC = 0x434D5654
VERSION = 2
CHUNK_END, CHUNK_EVENTS, CHUNK_TEXT = 1, 3, 4
KEYDOWN, KEYUP, MOUSEMOVE, LBUTTONDOWN, LBUTTONUP, WHEEL = 8, 9, 0, 1, 2, 7


def utf16z(text):
    return text.encode("utf-16-le") + b"\0\0"


def chunk(kind, payload):
    return struct.pack("<II", 8 + len(payload), kind) + payload


def event(kind, x, y, wheel, delay):
    return struct.pack("<HHHhI", kind, x, y, wheel, delay)


def record(description_payload, events, version=VERSION):
    body = (chunk(CHUNK_TEXT, utf16z(BANNER)) + chunk(CHUNK_TEXT, description_payload)
            + chunk(CHUNK_EVENTS, b"".join(events)) + chunk(CHUNK_END, b""))
    length = 20 + len(body)
    capacity = (length + 4095) // 4096 * 4096
    return struct.pack("<IIIII", MAGIC, version, length, capacity, 4) + body


def write(folder, name, data):
    path = os.path.join(HERE, "corpus", folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def record_seeds():
    two = [event(KEYDOWN, 0x41, 0, 0, 120), event(KEYUP, 0x41, 0, 0, 0)]
    abc = record(utf16z("abc"), two)
    assert len(abc) == 194
    write("record_file", "abc_two_events.tvmc", abc)
    write("record_file", "no_events.tvmc", record(utf16z(""), []))
    # Older writers stored the description as 8-bit text filling its chunk.
    write("record_file", "narrow_description.tvmc", record("caf\xe9 \u20ac".encode("cp1252") + b"\0", two))
    write("record_file", "surrogates.tvmc", record("\U0001F600 x".encode("utf-16-le") + b"\0\xd8\0\0", two))
    mouse = [event(MOUSEMOVE, 10 * i, 20 * i, 0, 16) for i in range(20)]
    mouse += [event(LBUTTONDOWN, 200, 400, 0, 90), event(LBUTTONUP, 200, 400, 0, 40),
              event(WHEEL, 200, 400, -120, 0)]
    write("record_file", "mouse.tvmc", record(utf16z("mouse path"), mouse))
    write("record_file", "newer_version.tvmc", record(utf16z("abc"), two, version=3))
    write("record_file", "truncated.tvmc", abc[:150])
    write("record_file", "header_only.tvmc", abc[:20])


def ini_seeds():
    text = ("; settings\r\n[Tavorin]\r\nSpeed=2\r\nLastFile=\"C:\\Records\\caf\u00e9.tvmc\"\r\n"
            "  Repeat = 3  \r\n\r\n[Hotkeys]\r\nRecord=0x2,0x52\r\nPlay=0x2,0x50\r\n"
            "not a key line\r\n[tavorin]\r\nSpeed=9\r\n")
    write("ini", "ansi.ini", text.encode("cp1252"))
    write("ini", "utf16_bom.ini", b"\xff\xfe" + (text + "Name=\u4f60\u597d \U0001F600\r\n").encode("utf-16-le"))
    write("ini", "utf8_bom.ini", b"\xef\xbb\xbf" + (text + "Name=\u4f60\u597d\n").encode("utf-8"))
    write("ini", "unix_lines.ini", b"[Tavorin]\nFuzzKey=old\n[Other]\nx=1")
    write("ini", "empty.ini", b"")


if __name__ == "__main__":
    record_seeds()
    ini_seeds()
