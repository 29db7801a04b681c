#!/usr/bin/env bash
# Re-makes the LibreOffice-written .xls fixtures of this folder from their .fods sources:
#   lo-basic.xls, lo-long-strings.xls, lo-frozen.xls (Excel 97-2003, BIFF8)
#   lo-biff5.xls                                     (Excel 5.0/95, BIFF5)
#   lo-formatted.xls, lo-drawing.xls                 (BIFF8, one step: their view is A1)
#   lo-formatted-biff5.xls                           (BIFF5, one step)
# Needs: libreoffice-calc (7.4 was used), python3, and python3-uno for /usr/bin/python3.
# The .expected files are not touched (lo-long-strings.py rewrites its own).
# The new .xls files differ from the committed ones in their timestamps only,
# unless the LibreOffice version differs.
#
# Three steps per file, because a headless LibreOffice has no visible view and then
# writes "first sheet active, cursor A1" into an .xls whatever the source says
# (see lo-view-patch.py):
#   1. soffice converts NAME.fods to .xls            -> cells as LibreOffice writes them
#   2. lo-view-patch.py puts the view settings of NAME.fods into that .xls
#   3. lo-resave.py has LibreOffice open it and save it again as NAME.xls
#      ("MS Excel 95" for lo-biff5), so LibreOffice writes every record itself.
set -euo pipefail
cd "$(dirname "$0")"

PROFILE=/tmp/lo-profile-fixtures   # throwaway LibreOffice profile, made anew each run
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

rm -rf "$PROFILE"
mkdir -p "$PROFILE/user"
# LibreOffice 7.4 ships the "MS Excel 95" filter as import-only; its Excel 95 writer
# still exists, and switching the filter's EXPORT flag on in the profile makes it usable.
cat > "$PROFILE/user/registrymodifications.xcu" <<'XCU'
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.TypeDetection.Filter/Filters/org.openoffice.TypeDetection.Filter:Filter['MS Excel 95']"><prop oor:name="Flags" oor:op="fuse"><value>IMPORT EXPORT ALIEN PREFERRED</value></prop></item>
</oor:items>
XCU

python3 lo-long-strings.py

for name in lo-basic lo-long-strings lo-frozen lo-biff5; do
  soffice -env:UserInstallation="file://$PROFILE" --headless --norestore \
    --convert-to 'xls:MS Excel 97' --outdir "$WORK" "$name.fods"
  python3 lo-view-patch.py "$name.fods" "$WORK/$name.xls" "$WORK/$name-view.xls"
  filter="MS Excel 97"
  [ "$name" = lo-biff5 ] && filter="MS Excel 95"
  /usr/bin/python3 lo-resave.py "$PROFILE" "$WORK/$name-view.xls" "$name.xls" "$filter"
  python3 xls-records.py "$name.xls" | grep -E 'CODEPAGE|WINDOW1|WINDOW2|PANE|SELECTION'
done
# Formats, drawings: what matters is what LibreOffice writes of them, not the view, so
# LibreOffice's own conversion is all there is to it.
soffice -env:UserInstallation="file://$PROFILE" --headless --norestore \
  --convert-to 'xls:MS Excel 97' --outdir "$WORK" lo-formatted.fods lo-drawing.fods
cp "$WORK/lo-formatted.xls" "$WORK/lo-drawing.xls" .
mkdir "$WORK/excel95"
soffice -env:UserInstallation="file://$PROFILE" --headless --norestore \
  --convert-to 'xls:MS Excel 95' --outdir "$WORK/excel95" lo-formatted.fods
cp "$WORK/excel95/lo-formatted.xls" lo-formatted-biff5.xls
ls -l lo-*.xls
