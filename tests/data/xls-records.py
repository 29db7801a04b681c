#!/usr/bin/env python3
"""List the BIFF records of the workbook stream of an .xls file.

Used to check what LibreOffice wrote into the fixtures in this folder
(CODEPAGE, WINDOW1/WINDOW2, PANE, SELECTION, SST/CONTINUE).  Stand-alone:
reads the compound file itself, needs nothing outside the standard library.

Usage: xls-records.py FILE.xls [--all] [--sst]
Without --all only the records named in INTERESTING are printed in detail.
--sst also tells, for each CONTINUE of the shared-string table, where it
starts: at a string boundary or inside string number N (and in what width).
"""
import struct
import sys

NAMES = {
    0x0809: "BOF", 0x000A: "EOF", 0x0042: "CODEPAGE", 0x0085: "BOUNDSHEET",
    0x003D: "WINDOW1", 0x023E: "WINDOW2", 0x0041: "PANE", 0x001D: "SELECTION",
    0x00FC: "SST", 0x003C: "CONTINUE", 0x00FF: "EXTSST", 0x00FD: "LABELSST",
    0x0204: "LABEL", 0x0203: "NUMBER", 0x027E: "RK", 0x00BD: "MULRK",
    0x0006: "FORMULA", 0x0207: "STRING", 0x0205: "BOOLERR", 0x0201: "BLANK",
    0x00BE: "MULBLANK", 0x0200: "DIMENSIONS", 0x0208: "ROW", 0x00A0: "SCL",
    0x0099: "STANDARDWIDTH", 0x0055: "DEFCOLWIDTH", 0x007D: "COLINFO",
    0x00E0: "XF", 0x0031: "FONT", 0x041E: "FORMAT", 0x0022: "DATEMODE",
    0x0092: "PALETTE", 0x0293: "STYLE", 0x0018: "NAME", 0x0017: "EXTERNSHEET",
    0x01AE: "SUPBOOK", 0x00EF: "UNCALCED?", 0x01B6: "TXO", 0x00D7: "DBCELL",
    0x020B: "INDEX", 0x0809 | 0x10000: "", 0x0867: "SHEETEXT?", 0x0868: "?",
    0x08A3: "FORCEFULLCALC?", 0x01B8: "HLINK", 0x0160: "USESELFS",
    0x0161: "DSF", 0x00E1: "INTERFACEHDR", 0x00E2: "INTERFACEEND",
    0x005C: "WRITEACCESS", 0x0040: "BACKUP", 0x008D: "HIDEOBJ",
}
INTERESTING = {0x0042, 0x0085, 0x003D, 0x023E, 0x0041, 0x001D, 0x00FC,
               0x003C, 0x0809}


def read_cfb_stream(data, wanted=("Workbook", "Book")):
    if data[:8] != bytes.fromhex("D0CF11E0A1B11AE1"):
        raise SystemExit("not a compound file")
    sec_shift, mini_shift = struct.unpack_from("<HH", data, 0x1E)
    ssz, msz = 1 << sec_shift, 1 << mini_shift
    (n_fat, dir_start, _, mini_cutoff, minifat_start, n_minifat,
     difat_start, n_difat) = struct.unpack_from("<IIIIIIII", data, 0x2C)
    difat = list(struct.unpack_from("<109I", data, 0x4C))
    s = difat_start
    for _ in range(n_difat):
        off = 512 + s * ssz
        vals = struct.unpack_from("<%dI" % (ssz // 4), data, off)
        difat += vals[:-1]
        s = vals[-1]
    fat = []
    for sec in difat[:n_fat]:
        off = 512 + sec * ssz
        fat += struct.unpack_from("<%dI" % (ssz // 4), data, off)

    def chain(start, table):
        out, s, seen = [], start, set()
        while s < 0xFFFFFFFA and s not in seen:
            seen.add(s)
            out.append(s)
            s = table[s]
        return out

    def big(start, size=None):
        b = b"".join(data[512 + s * ssz:512 + (s + 1) * ssz]
                     for s in chain(start, fat))
        return b if size is None else b[:size]

    dirs = big(dir_start)
    entries = []
    for i in range(len(dirs) // 128):
        e = dirs[i * 128:(i + 1) * 128]
        nlen = struct.unpack_from("<H", e, 64)[0]
        name = e[:max(nlen - 2, 0)].decode("utf-16-le")
        typ = e[66]
        start, size = struct.unpack_from("<II", e, 116)
        entries.append((name, typ, start, size))
    root = entries[0]
    ministream = big(root[2], root[3])
    minifat = []
    if n_minifat:
        mf = big(minifat_start)
        minifat = list(struct.unpack("<%dI" % (len(mf) // 4), mf))
    for name, typ, start, size in entries:
        if typ == 2 and name in wanted:
            if size < mini_cutoff:
                return name, b"".join(ministream[s * msz:(s + 1) * msz]
                                      for s in chain(start, minifat))[:size]
            return name, big(start, size)
    raise SystemExit("no Workbook/Book stream")


def col_name(c):
    s = ""
    c += 1
    while c:
        c, r = divmod(c - 1, 26)
        s = chr(65 + r) + s
    return s


def addr(r, c):
    return "%s%d" % (col_name(c), r + 1)


def detail(rid, body):
    if rid == 0x0042:
        return "codepage=%d" % struct.unpack_from("<H", body)[0]
    if rid == 0x003D:
        (x, y, w, h, flags, itab, first, nsel, ratio) = struct.unpack_from(
            "<HHHHHHHHH", body)
        return "itabCur=%d itabFirst=%d ctabSel=%d flags=%#x" % (
            itab, first, nsel, flags)
    if rid == 0x023E:
        flags, rtop, cleft = struct.unpack_from("<HHH", body)
        bits = []
        for bit, nm in ((0x0008, "frozen"), (0x0100, "noSplit"),
                        (0x0200, "selected"), (0x0400, "paged/active")):
            if flags & bit:
                bits.append(nm)
        return "flags=%#06x %s topLeft=%s" % (flags, ",".join(bits),
                                              addr(rtop, cleft))
    if rid == 0x0041:
        x, y, rw, col, pnn = struct.unpack_from("<HHHHB", body)
        return "x=%d y=%d rwTop=%d colLeft=%d (=%s) pnnAct=%d" % (
            x, y, rw, col, addr(rw, col), pnn)
    if rid == 0x001D:
        pnn, rw, col, iref, cref = struct.unpack_from("<BHHHH", body)
        return "pane=%d activeCell=%s iref=%d cref=%d" % (
            pnn, addr(rw, col), iref, cref)
    if rid == 0x00FC:
        tot, uniq = struct.unpack_from("<II", body)
        return "total=%d unique=%d len=%d" % (tot, uniq, len(body))
    if rid == 0x003C:
        return "len=%d firstByte=%#04x" % (len(body), body[0] if body else 0)
    if rid == 0x0809:
        ver, dt = struct.unpack_from("<HH", body)
        return "version=%#06x type=%#06x" % (ver, dt)
    if rid == 0x0085:
        pos, vis, typ = struct.unpack_from("<IBB", body)
        n = body[6]
        raw = body[7:]
        if len(raw) > n and raw[0] in (0, 1) and (len(raw) == n + 1 or
                                                  len(raw) == 2 * n + 1):
            name = (raw[1:].decode("utf-16-le") if raw[0] & 1
                    else raw[1:].decode("latin-1"))
        else:
            name = repr(raw[:n])  # BIFF5: bytes in the CODEPAGE charset
        return "pos=%d name=%s" % (pos, name)
    return "len=%d" % len(body)


def sst_layout(stream):
    """Walk SST + CONTINUE; say where each CONTINUE record starts."""
    off, pieces = 0, []
    while off + 4 <= len(stream):
        rid, ln = struct.unpack_from("<HH", stream, off)
        if rid == 0x00FC:
            pieces = [stream[off + 4:off + 4 + ln]]
        elif rid == 0x003C and pieces:
            pieces.append(stream[off + 4:off + 4 + ln])
        elif pieces:
            break
        off += 4 + ln
    total, unique = struct.unpack_from("<II", pieces[0])
    rec, pos = 0, 8
    report = []

    def need(n):
        nonlocal rec, pos
        if pos + n > len(pieces[rec]):
            raise SystemExit("string header split over a CONTINUE")

    for idx in range(unique):
        if pos == len(pieces[rec]):
            rec, pos = rec + 1, 0
            report.append("CONTINUE %d starts at string boundary (string %d)"
                          % (rec, idx))
        need(3)
        cch, flags = struct.unpack_from("<HB", pieces[rec], pos)
        pos += 3
        rich = struct.unpack_from("<H", pieces[rec], pos)[0] if flags & 8 else 0
        pos += 2 if flags & 8 else 0
        ext = struct.unpack_from("<I", pieces[rec], pos)[0] if flags & 4 else 0
        pos += 4 if flags & 4 else 0
        wide = flags & 1
        left = cch
        while left:
            if pos == len(pieces[rec]):
                rec, pos = rec + 1, 0
                new_wide = pieces[rec][0] & 1
                pos = 1
                report.append(
                    "CONTINUE %d starts inside string %d (%d chars, %s) after "
                    "%d chars; new option byte %#04x (%s)"
                    % (rec, idx, cch, "16-bit" if wide else "8-bit",
                       cch - left, pieces[rec][0],
                       "16-bit" if new_wide else "8-bit"))
                wide = new_wide
            width = 2 if wide else 1
            n = min(left, (len(pieces[rec]) - pos) // width)
            if n == 0:
                raise SystemExit("character split across a CONTINUE")
            pos += n * width
            left -= n
        pos += 4 * rich + ext
    return total, unique, report


def main():
    path = sys.argv[1]
    show_all = "--all" in sys.argv
    name, s = read_cfb_stream(open(path, "rb").read())
    print("stream", name, len(s), "bytes")
    off = 0
    while off + 4 <= len(s):
        rid, ln = struct.unpack_from("<HH", s, off)
        body = s[off + 4:off + 4 + ln]
        if show_all or rid in INTERESTING:
            print("%06x %04x %-11s %s" % (off, rid, NAMES.get(rid, "?"),
                                        detail(rid, body)))
        off += 4 + ln
    if "--sst" in sys.argv:
        total, unique, report = sst_layout(s)
        print("SST total=%d unique=%d" % (total, unique))
        for line in report:
            print("  " + line)


if __name__ == "__main__":
    main()
