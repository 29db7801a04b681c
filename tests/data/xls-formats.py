#!/usr/bin/python3
"""Describe an .xls file as python3-xlrd reads it with formatting_info=True.

Prints, one per line: the date mode, the defined names, and for each sheet its
visibility, merged cells, column widths, row heights and every cell xlrd sees
(value, and its format spelled out: font, number format, alignment, borders,
fill), plus the formatting runs of rich text. Formats are written out in full
rather than as XF indices, so two files describe alike when a reader shows
them alike. The tests compare a file's description before and after it went
through the program.

Usage: xls-formats.py FILE.xls   (needs the Debian package python3-xlrd)
"""
import sys

import xlrd


def colour(book, index):
    rgb = book.colour_map.get(index)
    return "auto" if rgb is None else "#%02x%02x%02x" % rgb


def font_text(book, index):
    f = book.font_list[index]
    return "%s %d w%d%s%s%s %s" % (
        f.name, f.height, f.weight, " italic" if f.italic else "",
        " underline%d" % f.underline_type if f.underline_type else "",
        " struck" if f.struck_out else "", colour(book, f.colour_index))


def xf_text(book, index):
    xf = book.xf_list[index]
    a, b, p = xf.alignment, xf.border, xf.background
    return "font[%s] fmt[%s] align[%d %d wrap%d rot%d ind%d] border[%d %d %d %d] " \
           "fill[%d %s %s] locked%d" % (
               font_text(book, xf.font_index),
               book.format_map[xf.format_key].format_str,
               a.hor_align, a.vert_align, a.text_wrapped, a.rotation,
               a.indent_level, b.left_line_style, b.right_line_style,
               b.top_line_style, b.bottom_line_style, p.fill_pattern,
               colour(book, p.pattern_colour_index),
               colour(book, p.background_colour_index), xf.protection.cell_locked)


def ranges(items):
    """Runs of equal values over consecutive keys: [(first, last, value)]."""
    out = []
    for key in sorted(items):
        if out and out[-1][1] == key - 1 and out[-1][2] == items[key]:
            out[-1][1] = key
        else:
            out.append([key, key, items[key]])
    return out


def describe(path):
    book = xlrd.open_workbook(path, formatting_info=True)
    print("datemode %d" % book.datemode)
    for n in book.name_obj_list:
        print("name %s scope=%d hidden=%d %s" % (
            n.name, n.scope, n.hidden,
            n.result.text if n.result is not None else "(no result)"))
    for sheet in book.sheets():
        print("sheet %s visibility=%d" % (sheet.name, sheet.visibility))
        print("  defcolwidth=%s standardwidth=%s default_row_height=%s" % (
            sheet.defcolwidth, sheet.standardwidth, sheet.default_row_height))
        print("  frozen=%d gridlines=%d zeros=%d" % (
            sheet.panes_are_frozen, sheet.show_grid_lines, sheet.show_zero_values))
        for r1, r2, c1, c2 in sorted(sheet.merged_cells):
            print("  merged %s:%s" % (xlrd.cellname(r1, c1), xlrd.cellname(r2 - 1, c2 - 1)))
        columns = {c: (i.width, i.hidden, xf_text(book, i.xf_index))
                   for c, i in sheet.colinfo_map.items()}
        for first, last, (width, hidden, fmt) in ranges(columns):
            print("  columns %s:%s width=%d hidden=%d %s" % (
                xlrd.colname(first), xlrd.colname(last), width, hidden, fmt))
        for r, info in sorted(sheet.rowinfo_map.items()):
            print("  row %d height=%d default=%d hidden=%d format=%s" % (
                r + 1, info.height, info.has_default_height, info.hidden,
                xf_text(book, info.xf_index) if info.xf_index >= 0 else "-"))
        for r in range(sheet.nrows):
            for c in range(sheet.row_len(r)):
                cell = sheet.cell(r, c)
                print("  cell %s %d %r %s" % (xlrd.cellname(r, c), cell.ctype, cell.value,
                                             xf_text(book, cell.xf_index)))
        for (r, c), runs in sorted(sheet.rich_text_runlist_map.items()):
            print("  rich %s %s" % (xlrd.cellname(r, c), "; ".join(
                "%d:%s" % (start, font_text(book, font)) for start, font in runs)))


if __name__ == "__main__":
    describe(sys.argv[1])
