#!/usr/bin/env python3
"""Copy the view settings of a Flat ODS file into an .xls that LibreOffice made from it.

Why this exists: LibreOffice writes the view records of an .xls (active sheet,
cursor per sheet, frozen/split panes) from its *visible* document view.  A
headless conversion (`soffice --headless --convert-to xls`) has no visible view,
so it writes "first sheet active, cursor A1 everywhere" whatever the source says;
the headless build here cannot open a visible view either.  When LibreOffice
*imports* an .xls, though, it keeps that file's view records and writes them back
on export even without a view.  So make-lo-fixtures.sh does:

  1. soffice converts NAME.fods to a first .xls (cells right, view default);
  2. this script rewrites the view records of that .xls from the
     `ooo:view-settings` of NAME.fods (WINDOW1, WINDOW2, PANE, SELECTION);
  3. soffice converts that .xls to the final .xls, so every record of the
     final file is written by LibreOffice.

Usage: lo-view-patch.py NAME.fods IN.xls OUT.xls
Standard library only.  Handles what the fixtures here use, nothing more.
"""
import os
import runpy
import struct
import sys
import types
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
# the compound-file reader of xls-records.py (its name has a dash: no import)
xr = types.SimpleNamespace(**runpy.run_path(os.path.join(HERE, "xls-records.py")))

CONFIG = "{urn:oasis:names:tc:opendocument:xmlns:config:1.0}"
# LibreOffice pane ids (ActiveSplitRange) -> BIFF pane ids (PANE.pnnAct)
LO_TO_BIFF_PANE = {0: 3, 1: 1, 2: 2, 3: 0}  # TL, TR, BL, BR
TWIPS_PER_PIXEL = 15  # 96 dpi


def read_view_settings(fods):
    root = ET.parse(fods).getroot()
    views = None
    for s in root.iter(CONFIG + "config-item-set"):
        if s.get(CONFIG + "name") == "ooo:view-settings":
            for m in s.iter(CONFIG + "config-item-map-indexed"):
                if m.get(CONFIG + "name") == "Views":
                    views = m
    if views is None:
        raise SystemExit("no Views in " + fods)
    view = views.find(CONFIG + "config-item-map-entry")

    def items(elem):
        return {i.get(CONFIG + "name"): i.text or ""
                for i in elem.findall(CONFIG + "config-item")}

    general = items(view)
    tables = {}
    for m in view.findall(CONFIG + "config-item-map-named"):
        if m.get(CONFIG + "name") == "Tables":
            for e in m.findall(CONFIG + "config-item-map-entry"):
                tables[e.get(CONFIG + "name")] = {
                    k: int(v) for k, v in items(e).items()}
    return general.get("ActiveTable"), tables


def records(stream):
    out, off = [], 0
    while off + 4 <= len(stream):
        rid, ln = struct.unpack_from("<HH", stream, off)
        out.append([rid, bytearray(stream[off + 4:off + 4 + ln])])
        off += 4 + ln
    return out


def sheet_view_records(t, is_active, old_window2):
    """WINDOW2 (+ PANE) + SELECTION for one sheet, from its Tables entry."""
    cx, cy = t.get("CursorPositionX", 0), t.get("CursorPositionY", 0)
    hmode, vmode = t.get("HorizontalSplitMode", 0), t.get("VerticalSplitMode", 0)
    hpos, vpos = t.get("HorizontalSplitPosition", 0), t.get("VerticalSplitPosition", 0)
    left, right = t.get("PositionLeft", 0), t.get("PositionRight", 0)
    top, bottom = t.get("PositionTop", 0), t.get("PositionBottom", 0)
    lo_pane = t.get("ActiveSplitRange", 2)

    w2 = bytearray(old_window2)
    flags = struct.unpack_from("<H", w2)[0]
    flags &= ~(0x0008 | 0x0100 | 0x0200 | 0x0400)
    if is_active:
        flags |= 0x0200 | 0x0400
    frozen = hmode == 2 or vmode == 2
    split = hmode != 0 or vmode != 0
    if frozen:
        flags |= 0x0008 | 0x0100
    # top-left pane's first visible cell
    struct.pack_into("<HHH", w2, 0, flags,
                     top if vmode else bottom, left)
    out = [[0x023E, w2]]
    if split:
        if frozen:
            x = hpos if hmode else 0
            y = vpos if vmode else 0
        else:
            x = hpos * TWIPS_PER_PIXEL if hmode else 0
            y = vpos * TWIPS_PER_PIXEL if vmode else 0
        # first visible row of the bottom pane, first visible column of the right pane
        pnn = LO_TO_BIFF_PANE[lo_pane]
        out.append([0x0041, bytearray(struct.pack(
            "<HHHHBB", x, y, bottom if vmode else 0, right if hmode else 0,
            pnn, 0))])
    else:
        pnn = 3
    out.append([0x001D, bytearray(struct.pack(
        "<BHHHHHHBB", pnn, cy, cx, 0, 1, cy, cy, cx, cx))])
    return out


def patch(stream, active_name, tables):
    recs = records(stream)
    names = []
    for rid, body in recs:
        if rid == 0x0085:
            n = body[6]
            raw = body[7:]
            names.append(raw[1:1 + 2 * n].decode("utf-16-le") if raw[0] & 1
                         else raw[1:1 + n].decode("latin-1"))
        if rid == 0x000A:
            break
    active = names.index(active_name)

    out, sheet, depth = [], -1, 0
    i = 0
    while i < len(recs):
        rid, body = recs[i]
        if rid == 0x0809:
            depth += 1
            if depth == 1 and struct.unpack_from("<H", body, 2)[0] == 0x0010:
                sheet += 1
        elif rid == 0x000A:
            depth -= 1
        if rid == 0x003D and sheet < 0:
            struct.pack_into("<HHH", body, 10, active, 0, 1)
        if rid == 0x023E and sheet >= 0 and depth == 1:
            t = tables.get(names[sheet], {})
            out.extend(sheet_view_records(t, sheet == active, body))
            i += 1
            # drop LibreOffice's own SCL/PANE/SELECTION that follow WINDOW2
            while recs[i][0] in (0x00A0, 0x0041, 0x001D):
                i += 1
            continue
        out.append([rid, body])
        i += 1

    # rebuild the stream, then fix the BOUNDSHEET offsets of the sheet BOFs
    def serialise(rs):
        return b"".join(struct.pack("<HH", r, len(b)) + bytes(b) for r, b in rs)

    bof_offsets, off, depth = [], 0, 0
    for rid, body in out:
        if rid == 0x0809:
            depth += 1
            if depth == 1 and struct.unpack_from("<H", body, 2)[0] == 0x0010:
                bof_offsets.append(off)
        elif rid == 0x000A:
            depth -= 1
        off += 4 + len(body)
    k = 0
    for rid, body in out:
        if rid == 0x0085:
            struct.pack_into("<I", body, 0, bof_offsets[k])
            k += 1
    return serialise(out)


def write_cfb(stream, path):
    """Compound file with a single 'Workbook' stream (512-byte sectors)."""
    ssz = 512
    # A stream under 4096 bytes would belong in the mini stream, which this
    # writer does not make: pad it with zero bytes after the last EOF record
    # (LibreOffice stops reading at the EOF of the last sheet).
    stream = stream + b"\0" * max(0, 4096 - len(stream))
    data = stream + b"\0" * (-len(stream) % ssz)
    n_stream = len(data) // ssz
    n_dir = 1
    n_fat = 1
    while (n_stream + n_dir + n_fat) > n_fat * 128:
        n_fat += 1
    if n_fat > 109:
        raise SystemExit("too big for this little writer")
    fat = []
    for s in range(n_stream):
        fat.append(s + 1 if s + 1 < n_stream else 0xFFFFFFFE)
    dir_sec = n_stream
    fat.append(0xFFFFFFFE)
    fat += [0xFFFFFFFD] * n_fat
    fat += [0xFFFFFFFF] * (n_fat * 128 - len(fat))

    def entry(name, typ, child, start, size):
        n = (name + "\0").encode("utf-16-le") if name else b""
        e = bytearray(128)
        e[:len(n)] = n
        struct.pack_into("<HBB", e, 64, len(n), typ, 1)
        struct.pack_into("<III", e, 68, 0xFFFFFFFF, 0xFFFFFFFF, child)
        struct.pack_into("<II", e, 116, start, size)
        return bytes(e)

    dirs = (entry("Root Entry", 5, 1, 0xFFFFFFFE, 0) +
            entry("Workbook", 2, 0xFFFFFFFF, 0, len(stream)) +
            entry("", 0, 0xFFFFFFFF, 0, 0) * 2)
    hdr = bytearray(512)
    hdr[:8] = bytes.fromhex("D0CF11E0A1B11AE1")
    struct.pack_into("<HHHHH", hdr, 0x18, 0x3E, 3, 0xFFFE, 9, 6)
    struct.pack_into("<IIIIIIIII", hdr, 0x28, 0, n_fat, dir_sec, 0, 4096,
                     0xFFFFFFFE, 0, 0xFFFFFFFE, 0)
    difat = [dir_sec + 1 + i for i in range(n_fat)]
    difat += [0xFFFFFFFF] * (109 - n_fat)
    struct.pack_into("<109I", hdr, 0x4C, *difat)
    with open(path, "wb") as f:
        f.write(bytes(hdr) + data + dirs +
                struct.pack("<%dI" % len(fat), *fat))


def main():
    fods, src, dst = sys.argv[1:4]
    active, tables = read_view_settings(fods)
    name, stream = xr.read_cfb_stream(open(src, "rb").read())
    if name != "Workbook":
        raise SystemExit("BIFF8 only")
    write_cfb(patch(stream, active, tables), dst)


if __name__ == "__main__":
    main()
