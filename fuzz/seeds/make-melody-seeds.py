#!/usr/bin/env python3
"""Writes the seed files of the melody fuzzers: small MIDI files, MusicXML scores and
compressed scores, each showing one thing the readers handle. Run from this folder."""
import io
import os
import struct
import zipfile


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


def midi(fmt, division, tracks):
    data = b"MThd" + struct.pack(">IHHH", 6, fmt, len(tracks), division)
    for track in tracks:
        data += b"MTrk" + struct.pack(">I", len(track)) + track
    return data


END = b"\x00\xff\x2f\x00"

tune = (b"\x00\xff\x58\x04\x03\x02\x18\x08"      # 3/4
        b"\x00\x90\x3c\x64" b"\x00\x40\x64"       # chord, running status
        b"\x83\x60\x80\x3c\x40" b"\x00\x90\x40\x00"
        b"\x00\x90\x3e\x64" b"\x81\x70\x3e\x00"
        b"\x00\xf0\x03\x7e\x7f\xf7" b"\x00\xff\x01\x04text") + END
conductor = b"\x00\xff\x51\x03\x07\xa1\x20" + END
bass = b"\x00\x91\x24\x64\x83\x60\x81\x24\x40\x00\x99\x24\x64" + END

scores = {
    "chords.musicxml": """<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE score-partwise PUBLIC "-//Recordare//DTD MusicXML 4.0 Partwise//EN" "http://www.musicxml.org/dtds/partwise.dtd">
<score-partwise version="4.0"><part-list><score-part id="P1"><part-name>M</part-name></score-part></part-list>
<part id="P1"><measure number="1"><attributes><divisions>2</divisions><time><beats>3</beats><beat-type>4</beat-type></time>
<transpose><chromatic>-2</chromatic><octave-change>0</octave-change></transpose></attributes>
<note><pitch><step>C</step><octave>4</octave></pitch><duration>2</duration><lyric><text>Ach</text></lyric></note>
<note><chord/><pitch><step>E</step><alter>-1</alter><octave>4</octave></pitch><duration>2</duration></note>
<note><grace/><pitch><step>D</step><octave>4</octave></pitch></note>
<note><pitch><step>G</step><octave>4</octave></pitch><duration>4</duration><tie type="start"/></note>
<backup><duration>6</duration></backup><forward><duration>1</duration></forward>
<note><rest/><duration>1</duration><voice>2</voice></note>
<note><pitch><step>B</step><octave>3</octave></pitch><duration>4</duration><voice>2</voice></note></measure>
<measure number="2"><note><pitch><step>G</step><octave>4</octave></pitch><duration>2</duration><tie type="stop"/>
<notations><tied type="stop"/></notations></note><note><cue/><pitch><step>A</step><octave>4</octave></pitch>
<duration>2</duration></note></measure></part></score-partwise>
""",
    "timewise.musicxml": """<score-timewise><part-list><score-part id="A"/><score-part id="B"/></part-list>
<measure number="1"><part id="A"><note><pitch><step>F</step><alter>1</alter><octave>5</octave></pitch>
<duration>1</duration></note></part><part id="B"><note><unpitched/><duration>1</duration></note></part></measure>
</score-timewise>
""",
}

os.makedirs("midi", exist_ok=True)
os.makedirs("musicxml", exist_ok=True)
os.makedirs("melody", exist_ok=True)
with open("midi/tune0.mid", "wb") as f:
    f.write(midi(0, 480, [tune]))
with open("midi/tracks1.mid", "wb") as f:
    f.write(midi(1, 96, [conductor, tune, bass]))
with open("midi/frames.mid", "wb") as f:
    f.write(midi(0, 0xE728, [tune]))
for name, text in scores.items():
    with open("musicxml/" + name, "w", encoding="utf-8") as f:
        f.write(text)
archive = io.BytesIO()
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("mimetype", "application/vnd.recordare.musicxml", compress_type=zipfile.ZIP_STORED)
    z.writestr("META-INF/container.xml", '<container><rootfiles><rootfile full-path="score.xml"/></rootfiles></container>')
    z.writestr("score.xml", scores["chords.musicxml"])
with open("melody/score.mxl", "wb") as f:
    f.write(archive.getvalue())
with open("melody/tune0.mid", "wb") as f:
    f.write(midi(0, 480, [tune]))
with open("melody/timewise.xml", "w", encoding="utf-8") as f:
    f.write(scores["timewise.musicxml"])
