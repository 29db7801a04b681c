#!/usr/bin/python3
# Reads a MIDI file with mido, an independent reader, and prints its events one per line with
# absolute ticks: "TRACK TICK EVENT ...".
import sys

import mido

midi = mido.MidiFile(sys.argv[1], charset='utf-8')
print('type', midi.type, 'ticks', midi.ticks_per_beat, 'tracks', len(midi.tracks),
      'seconds', round(midi.length, 6))
for number, track in enumerate(midi.tracks):
    tick = 0
    for message in track:
        tick += message.time
        if message.type == 'track_name':
            print(number, tick, 'name', message.name)
        elif message.type == 'set_tempo':
            print(number, tick, 'tempo', message.tempo)
        elif message.type == 'program_change':
            print(number, tick, 'program', message.channel, message.program)
        elif message.type in ('note_on', 'note_off'):
            print(number, tick, message.type, message.channel, message.note, message.velocity)
        elif message.type == 'end_of_track':
            print(number, tick, 'end')
        else:
            print(number, tick, 'other', message.type)
