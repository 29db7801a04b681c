#!/usr/bin/python3
"""Let LibreOffice open an .xls and save it again, headless, through UNO.

Step 3 of make-lo-fixtures.sh (see lo-view-patch.py for why).  Needs the
Debian package python3-uno, so run it with /usr/bin/python3.

Before saving, two things LibreOffice's own .xls import did are undone, so
that the cells come out as LibreOffice writes them from the .fods:
- it reads a Boolean cell (BOOLERR record) as a formula =TRUE() or =FALSE();
  such cells become Boolean values again (the sources have no such formulas);
- it keeps the cached results it read, but not their kind, and would write a
  Boolean result (=1>2) or an empty-text result (="") back as the number 0;
  every other formula is entered again, so LibreOffice computes it anew.

Usage: lo-resave.py PROFILE_DIR IN.xls OUT.xls FILTER   (FILTER: "MS Excel 97" or "MS Excel 95")
"""
import os
import signal
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


def main():
    profile, src, dst, filt = sys.argv[1:5]
    pipe = "mechik-fixtures-%d" % os.getpid()
    office = subprocess.Popen(
        ["soffice", "-env:UserInstallation=" + uno.systemPathToFileUrl(profile),
         "--headless", "--norestore", "--nologo",
         "--accept=pipe,name=%s;urp;" % pipe],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        start_new_session=True)
    desktop = None
    try:
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        for _ in range(300):
            try:
                ctx = resolver.resolve(
                    "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
                break
            except Exception:
                time.sleep(0.1)
        else:
            raise SystemExit("LibreOffice did not answer")
        desktop = ctx.ServiceManager.createInstanceWithContext(
            "com.sun.star.frame.Desktop", ctx)
        doc = desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(os.path.abspath(src)), "_blank", 0,
            (prop("Hidden", True),))
        if doc is None:
            raise SystemExit("LibreOffice could not open " + src)
        FORMULA = 16  # com.sun.star.sheet.CellFlags.FORMULA
        LOGICAL = 1024  # com.sun.star.util.NumberFormat.LOGICAL
        bool_format = doc.getNumberFormats().getStandardFormat(
            LOGICAL, uno.createUnoStruct("com.sun.star.lang.Locale"))
        sheets = doc.getSheets()
        for i in range(sheets.getCount()):
            ranges = sheets.getByIndex(i).queryContentCells(FORMULA)
            cells = ranges.getCells().createEnumeration()
            while cells.hasMoreElements():
                cell = cells.nextElement()
                formula = cell.getFormula()
                if formula in ("=TRUE()", "=FALSE()"):
                    cell.setValue(1.0 if formula == "=TRUE()" else 0.0)
                    cell.setPropertyValue("NumberFormat", bool_format)
                else:
                    cell.setFormula(formula)
        doc.storeToURL(uno.systemPathToFileUrl(os.path.abspath(dst)),
                       (prop("FilterName", filt),))
        doc.close(True)
    finally:
        if desktop is not None:
            try:
                desktop.terminate()
            except Exception:
                pass  # the bridge goes away while terminating
        try:
            office.wait(timeout=60)
        except subprocess.TimeoutExpired:
            os.killpg(office.pid, signal.SIGTERM)  # soffice.bin is in this new session
            office.wait()


if __name__ == "__main__":
    main()
