#!/usr/bin/env bash
# Kills the program while it records grips, and mechik-cli while it converts, at random moments,
# many times, and checks after each kill that every song on disk still reads back with nothing
# lost but the grip being written. Not part of CI: run by hand after `make test`.
#
#   tests/kill/kill-test.sh [RUNS] [BUILD_DIR]
set -uo pipefail
runs=${1:-200}
build=${2:-build}
driver=$build/tests/kill_record_driver
cli=$build/bin/mechik-cli
vezar=$build/bin/Vezar.xls
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
song=$work/Polka.xls
failures=0
converts=0
in_flight=0  # kills after a grip was written but before the program had finished it
early=0      # kills before the first grip was finished (start-up, opening)
fail() { echo "run $1: $2"; failures=$((failures + 1)); }

# Rows 1..N with grips, none after a gap, each as the driver writes it: prints N, or fails.
check_song() {
    "$cli" dump "$song" > "$work/dump" 2> "$work/dump.err" || { cat "$work/dump.err"; return 1; }
    awk -F'\t' '
        /^sheet/ || /^cursor/ { next }
        { cell = $1; row = substr(cell, 2) + 0; col = substr(cell, 1, 1); value[col, row] = $2
          if (row > last) last = row }
        END {
            for (r = 1; r <= last; r++) {
                want = (r % 2) ? "Tlak" : "Tah"
                if (value["I", r] != want || value["B", r] == "" || value["M", r] == "") {
                    printf "row %d is not whole (B=%s I=%s M=%s)\n", r, value["B", r], value["I", r], value["M", r]
                    exit 1
                }
            }
            print last
        }' "$work/dump"
}

for ((run = 1; run <= runs; run++)); do
    before=0
    [[ -f $song ]] && before=$(check_song | tail -1)
    delay=$(awk -v seed="$RANDOM$run" 'BEGIN { srand(seed); printf "%.3f", 0.05 + rand() * 1.2 }')
    if ((run % 10 == 0)) && [[ -f $song ]]; then
        # mechik-cli convert killed half-way: the song stays as it was, a copy reads back.
        converts=$((converts + 1))
        cp "$song" "$work/before.xls"
        "$cli" convert "$song" C-F-B --db "$vezar" --out "$work" --force > /dev/null 2>&1 &
        pid=$!
        sleep "$delay"
        kill -9 "$pid" 2> /dev/null
        wait "$pid" 2> /dev/null
        cmp -s "$song" "$work/before.xls" || fail "$run" "the converted song changed"
        if [[ -f "$work/Polka C-F-B.xls" ]] && ! "$cli" dump "$work/Polka C-F-B.xls" > /dev/null 2>&1; then
            fail "$run" "the copy does not read back"
        fi
        continue
    fi
    "$driver" "$work" Polka "$vezar" > "$work/out" 2> "$work/err" &
    pid=$!
    sleep "$delay"
    kill -9 "$pid" 2> /dev/null
    wait "$pid" 2> /dev/null
    confirmed=$(grep -c '^recorded' "$work/out")
    last=$(tail -1 "$work/out" | awk '/^recorded/ { print $2 }')
    [[ -f $song ]] || { ((confirmed == 0)) || fail "$run" "the song is gone"; continue; }
    rows=$(check_song) || { fail "$run" "$rows"; continue; }
    rows=$(echo "$rows" | tail -1)
    # Every grip the program finished is on disk; at most the one in flight is not, or is.
    if ((confirmed > 0)) && ((rows < last || rows > last + 1)); then
        fail "$run" "$rows rows on disk, the program had finished row $last"
    fi
    ((confirmed > 0 && rows == last + 1)) && in_flight=$((in_flight + 1))
    ((confirmed == 0)) && early=$((early + 1))
    if ((confirmed == 0)) && ((rows < before || rows > before + 1)); then
        fail "$run" "$rows rows on disk, $before before the run"
    fi
done
leftovers=$(find "$work" -maxdepth 1 -name 'Polka.xls.*' | wc -l)
grips=$([[ -f $song ]] && check_song | tail -1 || echo 0)
echo "runs: $runs (mechik-cli convert: $converts; program killed before its first grip: $early," \
     "with the grip in flight already on disk: $in_flight), failures: $failures," \
     "grips on disk: $grips, temporary files left by kills: $leftovers"
((failures == 0))
