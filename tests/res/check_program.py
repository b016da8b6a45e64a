#!/usr/bin/python3
"""Reads build/Sonivel.exe with an independent PE reader (pefile) and checks the
program file and every resource it carries, field by field.

    check_program.py <Sonivel.exe> <tones dir>
"""
import struct
import sys
import unittest
import xml.etree.ElementTree as ET

import pefile

import os
import re

RUSSIAN = 1049
ENGLISH_US = 1033
RT_MANIFEST = 24
RT_DLGINIT = 240

EXE, TONES = sys.argv[1:3]
del sys.argv[1:3]
PE = pefile.PE(EXE)


def resources():
    """{(type, name): [(language, bytes)]}, types and names as int or str."""
    found = {}
    for rtype in PE.DIRECTORY_ENTRY_RESOURCE.entries:
        tkey = str(rtype.name) if rtype.name is not None else rtype.id
        for rname in rtype.directory.entries:
            nkey = str(rname.name) if rname.name is not None else rname.id
            for lang in rname.directory.entries:
                data = lang.data.struct
                raw = PE.get_data(data.OffsetToData, data.Size)
                found.setdefault((tkey, nkey), []).append((lang.id, raw))
    return found


RESOURCES = resources()


def resource(rtype, name, language=RUSSIAN):
    entries = RESOURCES.get((rtype, name))
    if not entries:
        raise AssertionError(f"no resource {rtype}/{name}")
    languages = [lang for lang, _ in entries]
    if languages != [language]:
        raise AssertionError(f"resource {rtype}/{name} has languages {languages}, expected [{language}]")
    return entries[0][1]


class Reader:
    """Reads a dialog template: little-endian fields, 16-bit strings, DWORD alignment."""

    def __init__(self, data):
        self.data, self.pos = data, 0

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def sz(self):
        end = self.pos
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        text = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return text

    def sz_or_ordinal(self):
        if self.data[self.pos:self.pos + 2] == b"\xff\xff":
            self.pos += 2
            return self.take("H")
        if self.data[self.pos:self.pos + 2] == b"\0\0":
            self.pos += 2
            return ""
        return self.sz()

    def align(self):
        self.pos = (self.pos + 3) & ~3


def parse_dialogex(data):
    r = Reader(data)
    ver, sig, help_id, ex_style, style, count, x, y, cx, cy = r.take("HHIIIHhhhh")
    assert (ver, sig) == (1, 0xFFFF), "not an extended dialog template"
    dialog = dict(help_id=help_id, ex_style=ex_style, style=style, x=x, y=y, cx=cx, cy=cy,
                  menu=r.sz_or_ordinal(), cls=r.sz_or_ordinal(), title=r.sz())
    dialog["point"], dialog["weight"], dialog["italic"], dialog["charset"] = r.take("HHBB")
    dialog["font"] = r.sz()
    items = []
    for _ in range(count):
        r.align()
        help_id, ex_style, style, x, y, cx, cy, cid = r.take("IIIhhhhI")
        item = dict(help_id=help_id, ex_style=ex_style, style=style, x=x, y=y, cx=cx, cy=cy,
                    id=cid if cid < 0x80000000 else cid - 0x100000000,
                    cls=r.sz_or_ordinal(), text=r.sz_or_ordinal())
        item["extra"] = r.take("H")
        r.pos += item["extra"]
        items.append(item)
    dialog["items"] = items
    return dialog


def assert_items(test, dialog, expected):
    """The template's controls, in order: (ID, class, text, x, y, cx, cy, style)
    as expected, each without help ID, extended style or creation data."""
    got = [(i["id"], window_class(i["cls"]), i["text"], i["x"], i["y"], i["cx"], i["cy"], i["style"])
           for i in dialog["items"]]
    test.assertEqual(got, expected)
    for item in dialog["items"]:
        test.assertEqual((item["help_id"], item["ex_style"], item["extra"]), (0, 0, 0))


def note_table():
    """(asset ID, name) of the 41 notes, C2 to E5 chromatically, sharps only."""
    classes = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    return [(212 + i, f"{classes[i % 12]}{2 + i // 12}") for i in range(41)]


BUTTON, STATIC, COMBOBOX = 0x80, 0x82, 0x85


def window_class(cls):
    """Class names are case-insensitive and the standard ones may be written as ordinals."""
    if isinstance(cls, int):
        return {BUTTON: "button", STATIC: "static", COMBOBOX: "combobox"}.get(cls, cls)
    return cls.lower()


def product_text():
    """The addresses and the e-mail as the program defines them, once, in res/ProductText.h."""
    header = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "ProductText.h")
    with open(header, encoding="utf-8") as f:
        defines = dict(re.findall(r'#define SONIVEL_(\w+)\s+"([^"]*)"', f.read()))
    return {"site_host": defines["SITE_HOST"], "site": "http://" + defines["SITE_HOST"],
            "music": defines["MUSIC_URL"], "email": defines["EMAIL"]}


TEXT = product_text()
NOTICE_EN = ("ENG: User may send money to author of this program (to thank him). Send letter to "
             f"{TEXT['email']} to get more information.")
NOTICE_RU = ("RUS: Автор будет весьма признателен за денежное вознаграждение в случае, если эта программа "
             "оказалась полезной для пользователя. По любым вопросам можно писать автору на email "
             f"{TEXT['email']}")


class ProgramFile(unittest.TestCase):
    def test_is_a_32_bit_gui_program(self):
        self.assertEqual(PE.FILE_HEADER.Machine, 0x14C)  # i386
        self.assertEqual(PE.OPTIONAL_HEADER.Subsystem, 2)  # Windows GUI

    def test_dep_and_aslr(self):
        flags = PE.OPTIONAL_HEADER.DllCharacteristics
        self.assertTrue(flags & 0x0040, "DYNAMIC_BASE")
        self.assertTrue(flags & 0x0100, "NX_COMPAT")
        self.assertTrue(hasattr(PE, "DIRECTORY_ENTRY_BASERELOC"), "relocations kept for ASLR")

    def test_no_section_is_both_writable_and_executable(self):
        for section in PE.sections:
            name = section.Name.rstrip(b"\0").decode()
            writable = section.Characteristics & 0x80000000
            executable = section.Characteristics & 0x20000000
            self.assertFalse(writable and executable, name)

    def test_needs_no_dll_beyond_the_systems(self):
        system = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "winmm.dll", "shell32.dll",
                  "advapi32.dll", "msvcrt.dll"}
        imported = {entry.dll.decode().lower() for entry in PE.DIRECTORY_ENTRY_IMPORT}
        self.assertLessEqual(imported, system)


class MainDialog(unittest.TestCase):
    def test_template_102(self):
        d = parse_dialogex(resource(pefile.RESOURCE_TYPE["RT_DIALOG"], 102))
        self.assertEqual((d["help_id"], d["style"], d["ex_style"]), (0, 0x90C800C0, 0x00040000))
        self.assertEqual((d["x"], d["y"], d["cx"], d["cy"]), (0, 0, 84, 41))
        self.assertEqual((d["menu"], d["cls"], d["title"]), ("", "", "Sonivel"))
        self.assertEqual((d["point"], d["weight"], d["italic"], d["charset"], d["font"]), (10, 400, 0, 204, "Verdana"))
        expected = [
            (1, "button", "On/Off", 45, 7, 32, 12, 0x50010001),
            (1001, "combobox", "", 7, 7, 30, 12, 0x50210003),
            (1002, "msctls_trackbar32", "", 33, 24, 44, 12, 0x50030018),
            (-1, "static", "volume", 7, 26, 23, 8, 0x50020000),
        ]
        assert_items(self, d, expected)

    def test_init_data_adds_the_41_notes_in_order(self):
        data = resource(RT_DLGINIT, 102)
        self.assertEqual(len(data), 470)
        names, pos = [], 0
        while True:
            (control,) = struct.unpack_from("<H", data, pos)
            if control == 0:
                break
            message, length = struct.unpack_from("<HI", data, pos + 2)
            self.assertEqual((control, message), (1001, 0x0403))
            text = data[pos + 8:pos + 8 + length]
            self.assertEqual(text[-1:], b"\0")
            names.append(text[:-1].decode("ascii"))
            pos += 8 + length
        self.assertEqual(pos + 2, len(data))
        self.assertEqual(names, [name for _, name in note_table()])

    def test_manifest_asks_for_version_6_common_controls(self):
        ns = {"a": "urn:schemas-microsoft-com:asm.v1"}
        root = ET.fromstring(resource(RT_MANIFEST, 1))
        identity = root.find("a:assemblyIdentity", ns).attrib
        self.assertEqual(identity, {"version": "1.0.0.0", "processorArchitecture": "X86",
                                    "name": "Microsoft.Windows.Sonivel", "type": "win32"})
        self.assertEqual(root.find("a:description", ns).text, "Your app description here")
        dependency = root.find("a:dependency/a:dependentAssembly/a:assemblyIdentity", ns).attrib
        self.assertEqual(dependency, {"type": "win32", "name": "Microsoft.Windows.Common-Controls",
                                      "version": "6.0.0.0", "processorArchitecture": "X86",
                                      "publicKeyToken": "6595b64144ccf1df", "language": "*"})


class AboutBox(unittest.TestCase):
    def test_template_100(self):
        d = parse_dialogex(resource(pefile.RESOURCE_TYPE["RT_DIALOG"], 100))
        self.assertEqual((d["help_id"], d["style"], d["ex_style"]), (0, 0x80C800C8, 0))
        self.assertEqual((d["x"], d["y"], d["cx"], d["cy"]), (0, 0, 212, 142))
        self.assertEqual((d["menu"], d["cls"], d["title"]), ("", "", "About Sonivel"))
        self.assertEqual((d["point"], d["weight"], d["italic"], d["charset"], d["font"]), (8, 0, 0, 1, "MS Shell Dlg"))
        product = "Sonivel 2006.06\nCopyright (C) 2006 The Sonivel author\nAll rights reserved."
        expected = [
            (-1, "static", 128, 7, 7, 20, 20, 0x50000003),                       # SS_ICON, icon 128
            (-1, "static", product, 75, 7, 130, 24, 0x50020080),                 # SS_NOPREFIX, WS_GROUP
            (1, "button", "OK", 153, 114, 52, 21, 0x50030001),                   # default, group, tab stop
            (-1, "static", NOTICE_RU, 7, 79, 197, 32, 0x50020000),
            (-1, "static", NOTICE_EN, 7, 34, 178, 24, 0x50020000),
            (1003, "button", "Музыкальные программы на сайте " + TEXT["music"], 7, 114, 137, 21, 0x50012300),
            (1004, "button", TEXT["site"], 81, 60, 124, 14, 0x50010000),
            (-1, "static", "Musical software on", 7, 63, 64, 8, 0x50020000),
        ]
        assert_items(self, d, expected)

    def test_addresses_are_http_without_a_path_under_the_reserved_domain(self):
        for url in (TEXT["site"], TEXT["music"]):
            self.assertRegex(url, r"^http://[a-z0-9.-]+\.example$")
        self.assertRegex(TEXT["email"], r"^[a-z0-9.]+@[a-z0-9.-]+\.example$")

    def test_system_menu_string_101(self):
        block = resource(pefile.RESOURCE_TYPE["RT_STRING"], 101 // 16 + 1)
        strings, pos = [], 0
        for _ in range(16):
            (length,) = struct.unpack_from("<H", block, pos)
            strings.append(block[pos + 2:pos + 2 + 2 * length].decode("utf-16-le"))
            pos += 2 + 2 * length
        self.assertEqual(strings[101 % 16], "&About Sonivel...")


class VersionBlock(unittest.TestCase):
    def test_fixed_values(self):
        resource(pefile.RESOURCE_TYPE["RT_VERSION"], 1, ENGLISH_US)  # one block, in English (United States)
        fixed = PE.VS_FIXEDFILEINFO[0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), (2006 << 16 | 6, 0))
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS), (2006 << 16 | 6, 0))
        self.assertEqual((fixed.FileFlagsMask, fixed.FileFlags), (0x3F, 0))
        self.assertEqual((fixed.FileOS, fixed.FileType, fixed.FileSubtype), (4, 1, 0))
        self.assertEqual((fixed.FileDateMS, fixed.FileDateLS), (0, 0))

    def test_strings_and_translation(self):
        tables, translations = [], []
        for info in PE.FileInfo[0]:
            if info.Key == b"StringFileInfo":
                tables += info.StringTable
            elif info.Key == b"VarFileInfo":
                translations += [var.entry for var in info.Var]
        self.assertEqual([t.LangID for t in tables], [b"040904e4"])
        values = {k.decode(): v.decode() for k, v in tables[0].entries.items()}
        self.assertEqual(values, {
            "Comments": "Sonivel 2006.06",
            "CompanyName": TEXT["site_host"],
            "FileDescription": "Sonivel 2006.06",
            "FileVersion": "2006, 6, 0, 0",
            "InternalName": "Sonivel 2006.06",
            "LegalCopyright": "Copyright (C) 2006 The Sonivel author",
            "OriginalFilename": "Sonivel.exe",
            "ProductName": "Sonivel 2006.06",
            "ProductVersion": "2006.06",
        })
        self.assertEqual(translations, [{b"Translation": "0x0409 0x04e4"}])


def decode_icon_image(data):
    """(width, height, bits per pixel, set of RGB colours used, AND mask all clear)."""
    size, width, height2, planes, bpp = struct.unpack_from("<IiiHH", data)
    height = height2 // 2
    palette_size = {4: 16, 8: 256}.get(bpp, 0)
    palette = [struct.unpack_from("<BBB", data, size + 4 * i)[::-1] for i in range(palette_size)]
    xor_at = size + 4 * palette_size
    xor_stride = ((width * bpp + 31) // 32) * 4
    and_at = xor_at + xor_stride * height
    and_stride = ((width + 31) // 32) * 4
    colours = set()
    for y in range(height):
        row = data[xor_at + y * xor_stride:]
        for x in range(width):
            if bpp == 24:
                colours.add(tuple(row[3 * x:3 * x + 3][::-1]))
            elif bpp == 8:
                colours.add(palette[row[x]])
            else:
                colours.add(palette[(row[x // 2] >> (4 if x % 2 == 0 else 0)) & 0xF])
    mask = data[and_at:and_at + and_stride * height]
    return width, height, bpp, colours, len(mask) == and_stride * height and not any(mask)


class ProgramIcon(unittest.TestCase):
    def test_icon_group_128_has_nine_opaque_two_colour_images(self):
        group = resource(pefile.RESOURCE_TYPE["RT_GROUP_ICON"], 128)
        reserved, kind, count = struct.unpack_from("<HHH", group)
        self.assertEqual((reserved, kind, count), (0, 1, 9))
        navy, yellow, yellow256 = (0, 0, 128), (255, 255, 0), (255, 255, 51)
        seen = set()
        for i in range(count):
            width, height, _, _, planes, bpp, size, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
            image = resource(pefile.RESOURCE_TYPE["RT_ICON"], icon_id)
            self.assertEqual(len(image), size)
            w, h, image_bpp, colours, opaque = decode_icon_image(image)
            self.assertEqual((w, h, image_bpp), (width, height, bpp))
            self.assertTrue(opaque, f"{w}x{h} at {bpp} bits has transparent pixels")
            self.assertEqual(colours, {navy, yellow256 if bpp == 8 else yellow}, f"{w}x{h} at {bpp} bits")
            seen.add((w, bpp))
        self.assertEqual(seen, {(size, bpp) for size in (48, 32, 16) for bpp in (4, 8, 24)})


class ToneAssets(unittest.TestCase):
    def test_41_wave_resources_hold_the_rendered_files(self):
        wave = [key for key in RESOURCES if key[0] == "WAVE"]
        self.assertEqual(sorted(name for _, name in wave), list(range(212, 253)))
        for asset_id, name in note_table():
            with open(f"{TONES}/{asset_id}.wav", "rb") as f:
                self.assertEqual(resource("WAVE", asset_id), f.read(), name)


if __name__ == "__main__":
    unittest.main(verbosity=1)
