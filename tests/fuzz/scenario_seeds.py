#!/usr/bin/env python3
"""Writes the scenario target's seed inputs into corpus/scenario: the demo
registry, an empty one, and a machine whose old card's driver is Display\\0000
and whose Voodoo3 is present at Display\\0002 (recorded at 0001 too), with
Glide values set in the environment and HKEY_CURRENT_USER; and the demo
registry failing at two steps of the load and from the middle of Apply on,
or with the control of a failing step's fallback refusing it; and the demo
registry with hostile data: fractions and exponents, a megabyte of text,
kinds Glide ignores, control characters, a PATH of one zero byte.
The encoding is the one decode() in scenario_fuzz.cpp reads."""
import os
import re
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
HIVES = {"HKEY_CURRENT_USER": 1, "HKEY_LOCAL_MACHINE": 2, "HKEY_CURRENT_CONFIG": 4, "HKEY_DYN_DATA": 6}
# The kinds' codes in decode: text with its terminating zero, a DWORD, and as they are.
SZ, DWORD, EXPAND_SZ, BINARY, QWORD = 8, 3, 1, 2, 6
CLASS = "System\\CurrentControlSet\\Services\\Class\\Display\\"


def word(s):
    b = s if isinstance(s, bytes) else s.encode("latin-1")
    return b"\xff" + struct.pack("<H", len(b)) + b


def big(size, pattern):  # size a multiple of 16, below 1 MB
    return b"\xfe" + struct.pack("<HB", size >> 4, len(pattern) - 1) + pattern


def entry(hive, key, name, value, kind=None):
    if kind is None:
        kind, value = (DWORD, struct.pack("<I", value)) if isinstance(value, int) else (SZ, value)
    data = value if isinstance(value, bytes) and value[:1] == b"\xfe" else word(value)
    return bytes([7, HIVES[hive]]) + word(key) + word(name) + bytes([kind]) + data


def from_reg(path):
    entries, key = [], None
    for line in open(path, encoding="latin-1"):
        if m := re.match(r"\[(\w+)\\(.*)\]", line):
            key = m.groups()
        elif m := re.match(r'"(.*)"=(?:"(.*)"|dword:([0-9a-f]+))', line):
            value = m[2].replace("\\\\", "\\") if m[2] is not None else int(m[3], 16)
            entries.append(entry(*key, m[1], value))
    return entries


CONTROLS = sorted([f"Check{n}" for n in range(1, 10)] + [f"Label{n}" for n in range(11, 21)] + ["Label23", "Slider1"] +
                  [f"Option{n}" for n in range(1, 15)])


def scenario(entries, environment=(), actions=(), flags=0, failing=(), refusing=None):
    out = bytes([flags, len(failing)]) + b"".join(struct.pack("<H", call) for call in failing)
    out += bytes([CONTROLS.index(refusing) + 1 if refusing else 0, len(entries)]) + b"".join(entries)
    out += bytes([len(environment)])
    out += b"".join(word(n) + word(v) for n, v in environment)
    return out + bytes([len(actions)]) + b"".join(bytes(a) for a in actions)


lm = "HKEY_LOCAL_MACHINE"
old_card = [entry(lm, CLASS + "0000", "DriverDesc", "S3 Trio64V+"), entry(lm, CLASS + "0000\\D3D", "SSTH3_OVERLAYMODE", "3"),
            entry(lm, "Enum\\PCI\\VEN_5333&DEV_8811\\BUS_00&DEV_08&FUNC_00", "Driver", "Display\\0000")]
for n in "12":
    record = "PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01\\BUS_0" + n + "&DEV_00&FUNC_00"
    old_card += [entry(lm, CLASS + "000" + n, "DriverDesc", "Voodoo3 #" + n), entry(lm, "Enum\\" + record, "Driver", "Display\\000" + n)]
old_card += [entry("HKEY_DYN_DATA", "Config Manager\\Enum\\C29A3B10", "HardWareKey", record),
             entry("HKEY_CURRENT_USER", CLASS + "0002\\Glide", "FX_GLIDE_NO_SPLASH", "0"),
             entry(lm, CLASS + "0002\\Glide", "FX_GLIDE_ALLOC_COLOR", 3),
             entry(lm, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", "C:\\Tools")]
demo = from_reg(os.path.join(HERE, "..", "fixtures", "demo.reg"))
AND_LATER = 0x8000  # the load's reads are calls 0 to 24 here, Apply's from 39 on
seeds = {
    "empty": scenario([]),
    "demo": scenario(demo, actions=[(28, 0), (10, 0)], flags=4),
    "failing": scenario(demo, actions=[(25, 0)], failing=[10, 14, AND_LATER | 45]),
    "refusing": scenario(demo, failing=[14], refusing="Option2"),
    "old-card": scenario(old_card, [("FX_GLIDE_SWAPINTERVAL", "1")], [(11, 0), (29, 200), (6, 0)], flags=8 | 16),
}
d0 = CLASS + "0000"
seeds["hostile"] = scenario(demo + [
    entry(lm, d0, "DriverDesc", big(0x10000, b"Voodoo3 ")),
    entry(lm, d0 + "\\DEFAULT", "Grxclock", "200.5"), entry(lm, d0 + "\\DEFAULT", "CheckClk", "1e2"),
    entry(lm, d0 + "\\D3D", "SSTH3_ANTIALIAS", " 2 "), entry(lm, d0 + "\\D3D", "SSTH3_OVERLAYMODE", 3),
    entry(lm, d0 + "\\Glide", "SSTH3_OVERLAYMODE", b"\x02", BINARY),
    entry(lm, d0 + "\\Glide", "FX_GLIDE_TMU_MEMSIZE", b"\x02" + bytes(7), QWORD),
    entry(lm, d0 + "\\Glide", "FX_GLIDE_ALLOC_COLOR", "3", EXPAND_SZ),
    entry("HKEY_CURRENT_USER", d0 + "\\Glide", "FX_GLIDE_NO_SPLASH", b"\x01", BINARY),
    entry(lm, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", b"\x00", DWORD),
], [("FX_GLIDE_LOD_DITHER", "1\r\n" + "x" * 60)], [(24, 0), (23, 0)], flags=4 | 16)
# The About box's PATH as empty text followed by a program, with a folder to fall back on.
seeds["about"] = scenario([entry(lm, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", b"\x00C:\\i.exe\x00", 0),
                           entry(lm, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", "C:\\Tools")], flags=8 | 16)
os.makedirs(os.path.join(HERE, "corpus", "scenario"), exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(HERE, "corpus", "scenario", name), "wb") as f:
        f.write(data)
