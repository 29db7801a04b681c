#!/usr/bin/env python3
"""Write lo-long-strings.fods and lo-long-strings.expected.

The workbook has one sheet "Řetězce":
  A1..A2000  2000 short distinct strings; odd rows plain ASCII ("slovo 0001"),
             even rows with Czech letters ("píseň č. 0002 – ěščřž"), so the
             shared-string table mixes 8-bit and 16-bit strings;
  B1         a 9,994-character ASCII text;
  B2         a 9,899-character text with Czech letters (stored as 16-bit).
The shared-string table is far bigger than one BIFF record (8,224 bytes), so
LibreOffice spreads it over SST + CONTINUE records, and strings get split at
the record boundaries.

The expected file is written from the same data, in the format of
`mechik-cli dump`.  The cursor of the sheet is B2 (set in the view settings).
Run: python3 lo-long-strings.py   (then make-lo-fixtures.sh makes the .xls)
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
SHEET = "Řetězce"


def short_string(i):
    if i % 2:
        return "slovo %04d" % i
    return "píseň č. %04d – ěščřž" % i


def long_ascii():
    # "0001 0002 ... 1999 " without the final space: 1999 * 5 - 1 characters
    return " ".join("%04d" % i for i in range(1, 2000))


def long_czech():
    # 1100 pieces of 9 characters each minus the last space: 9,899 characters
    return " ".join("ěšč%04dř" % i for i in range(1, 1101))


def xml_text(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def cell(s):
    return ('<table:table-cell office:value-type="string"><text:p>%s</text:p>'
            '</table:table-cell>' % xml_text(s))


def escape(s):
    return (s.replace("\\", "\\\\").replace("\t", "\\t")
             .replace("\n", "\\n").replace("\r", "\\r"))


def main():
    a = [short_string(i) for i in range(1, 2001)]
    b = {1: long_ascii(), 2: long_czech()}
    assert len(set(a) | set(b.values())) == 2002
    assert len(b[1]) > 9000 and len(b[2]) > 9000

    rows = []
    for r in range(1, 2001):
        cells = cell(a[r - 1]) + (cell(b[r]) if r in b else "")
        rows.append("    <table:table-row>%s</table:table-row>" % cells)
    fods = """<?xml version="1.0" encoding="UTF-8"?>
<!-- Written by lo-long-strings.py: do not edit by hand. -->
<office:document
  xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
  xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
  xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
  xmlns:config="urn:oasis:names:tc:opendocument:xmlns:config:1.0"
  office:version="1.3"
  office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:settings>
  <config:config-item-set config:name="ooo:view-settings">
   <config:config-item-map-indexed config:name="Views">
    <config:config-item-map-entry>
     <config:config-item config:name="ViewId" config:type="string">view1</config:config-item>
     <config:config-item-map-named config:name="Tables">
      <config:config-item-map-entry config:name="%(sheet)s">
       <config:config-item config:name="CursorPositionX" config:type="int">1</config:config-item>
       <config:config-item config:name="CursorPositionY" config:type="int">1</config:config-item>
      </config:config-item-map-entry>
     </config:config-item-map-named>
     <config:config-item config:name="ActiveTable" config:type="string">%(sheet)s</config:config-item>
    </config:config-item-map-entry>
   </config:config-item-map-indexed>
  </config:config-item-set>
 </office:settings>
 <office:body>
  <office:spreadsheet>
   <table:table table:name="%(sheet)s">
%(rows)s
   </table:table>
  </office:spreadsheet>
 </office:body>
</office:document>
""" % {"sheet": SHEET, "rows": "\n".join(rows)}
    with open(os.path.join(HERE, "lo-long-strings.fods"), "w",
              encoding="utf-8", newline="\n") as f:
        f.write(fods)

    lines = ["sheet\t%s\tactive" % SHEET, "cursor\t$B$2"]
    for r in range(1, 2001):
        lines.append("A%d\t%s" % (r, escape(a[r - 1])))
        if r in b:
            lines.append("B%d\t%s" % (r, escape(b[r])))
    with open(os.path.join(HERE, "lo-long-strings.expected"), "w",
              encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
