#!/usr/bin/env bash
# The shipped zip, used as a new user would: unpacked into a fresh folder, started with a
# generated phone as removable drive F:, looked at and worked from outside the program
# (window places through X, edit texts through the probe, clicks through xdotool).
#
#   shipped_zip_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

src=$1
build=$2
wine_run="$src/scripts/wine-run"
prefix="$build/wineprefix"
probe="$build/tests/shipping/probe.exe"
stand_in="$build/tests/backup/stand_in_addfile.exe"
generator="$build/bench/make_phone_tree.exe"

work=$(mktemp -d "$build/tests/shipping/run.XXXXXX")
pids=()
cleanup() {
  for pid in "${pids[@]+"${pids[@]}"}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }
winpath() { echo "Z:${1//\//\\}"; }

step "the zip holds Kerovia.exe, addfile.exe and Readme.txt and nothing else"
zip=$("$src/scripts/dist" "$build")
mkdir -p "$work/Kerovia"
unzip -q "$zip" -d "$work/Kerovia"
listing=$(cd "$work/Kerovia" && find . -type f | sort | tr '\n' ' ')
[ "$listing" = "./Kerovia.exe ./Readme.txt ./addfile.exe " ] || fail "zip holds: $listing"
app="$work/Kerovia"
# A stand-in of the add-file program replaces the shipped one: it records what it is given.
cp "$stand_in" "$app/addfile.exe"
export KEROVIA_STAND_IN_LOG
KEROVIA_STAND_IN_LOG=$(winpath "$work/addfile.log")

step "a generated phone"
mkdir -p "$work/phone"
"$wine_run" --prefix "$prefix" "$generator" "$(winpath "$work/phone")" --files 240 --seed 7 \
  >/dev/null
# What the program must list: every file with one of the 17 extensions, counted per kind.
read -r music movie photo < <(python3 - "$work/phone" <<'PY'
import os, sys
kinds = {"m": ".mp3 .m4a .aac .wav .aif .aiff", "v": ".m4v .mp4 .mpg .mov",
         "p": ".jpg .jpeg .png .gif .tif .tiff .bmp"}
count = {k: 0 for k in kinds}
for folder, dirs, files in os.walk(sys.argv[1]):
    for f in files:
        ext = os.path.splitext(f)[1].lower()
        for k, exts in kinds.items():
            if ext in exts.split():
                count[k] += 1
print(count["m"], count["v"], count["p"])
PY
)
total=$((music + movie + photo))
[ "$total" -gt 0 ] || fail "the generated phone has no media"
echo "   $music music, $movie movies, $photo photos"

start() {  # start ARGS...: Kerovia.exe from the unpacked folder, in the background
  "$wine_run" --prefix "$prefix" --drive "F=$work/phone:removable" "$app/Kerovia.exe" "$@" \
    </dev/null >>"$work/kerovia.log" 2>&1 &
  kerovia_pid=$!
  pids+=("$kerovia_pid")
}
probe() { "$wine_run" --prefix "$prefix" "$probe" "$@" 2>>"$work/probe.log" | tr -d '\r'; }
wait_text() {  # wait_text EDIT TEXT
  probe wait-text "$1" "$2" 30000 || fail "edit $1 is not \"$2\""
}
place() { probe main | cut -d' ' -f1,2; }
click() {  # click X Y: a real left click at a screen point
  xdotool mousemove "$1" "$2" sleep 0.2 click 1
}
drag() {  # drag X0 Y0 X1 Y1
  xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.2 mousemove $((($1 + $3) / 2)) \
    $((($2 + $4) / 2)) sleep 0.2 mousemove "$3" "$4" sleep 0.2 mouseup 1
}
wait_end() {  # the program has ended
  for _ in $(seq 150); do kill -0 "$kerovia_pid" 2>/dev/null || return 0; sleep 0.2; done
  fail "Kerovia.exe did not end"
}
# Screen points of controls, from the layout, for a window at (L, T).
radio() { echo $(($1 + 6 + 116 + 8)) $(($2 + 118 + 52 + 16 * ($3 - 1) + 8)); }
itunes_button() { echo $(($1 + 6 + 12 + 71)) $(($2 + 246 + 12 + 20)); }
close_button() { echo $(($1 + 216 + 84 + 10)) $(($2 + 2 + 10)); }

step "first start: the window at (20, 20), the phone found and its files counted"
start
[ "$(probe main)" = "20 20 326 346" ] || fail "main window at $(probe main)"
wait_text 0 "ドライブ F:"
wait_text 1 "$total ファイル"

step "a category change rescans"
# shellcheck disable=SC2046
click $(radio 20 20 4)
wait_text 1 "$photo ファイル"
# shellcheck disable=SC2046
click $(radio 20 20 1)
wait_text 1 "$total ファイル"

step "backup to iTunes hands every listed file to the add-file program, in order"
# shellcheck disable=SC2046
click $(itunes_button 20 20)
for _ in $(seq 300); do
  [ -f "$work/addfile.log" ] && [ "$(wc -l <"$work/addfile.log")" -ge "$total" ] && break
  sleep 0.2
done
[ "$(place)" = "20 20" ] || fail "the main window did not come back after the backup"
python3 - "$work/addfile.log" "$work/phone" "$total" <<'PY' || fail "add-file command lines"
import os, sys
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
root, total = sys.argv[2], int(sys.argv[3])
masks = ".mp3 .m4a .aac .wav .aif .aiff .m4v .mp4 .mpg .mov .jpg .jpeg .png .gif .tif .tiff .bmp".split()
assert len(lines) == total, f"{len(lines)} command lines for {total} files"
seen = []
for line in lines:
    assert line.startswith('addfile.exe "F:\\') and line.endswith('"'), line
    path = line[len('addfile.exe "'):-1]
    rel = path[3:].replace("\\", "/")
    assert os.path.isfile(os.path.join(root, rel)), f"not a file of the phone: {path}"
    seen.append((masks.index(os.path.splitext(rel)[1].lower()), rel.count("/"), rel))
assert len(set(s[2] for s in seen)) == total, "a file was handed over twice"
# Mask first, then breadth-first: neither the mask nor the depth goes back within a mask.
assert [s[:2] for s in seen] == sorted(s[:2] for s in seen), "not in mask, then folder order"
PY

step "a moved window is saved at close and restored at the next start"
drag 180 30 380 230
moved=$(place)
[ "$moved" = "220 220" ] || fail "window dragged to $moved, expected 220 220"
# shellcheck disable=SC2046
click $(close_button 220 220)
wait_end
ini="$app/Kerovia.ini"
[ -f "$ini" ] || fail "no Kerovia.ini beside Kerovia.exe"
grep -q '^M_LEFT=220' "$ini" && grep -q '^M_TOP=220' "$ini" || fail "Kerovia.ini: $(cat "$ini")"
start
[ "$(place)" = "220 220" ] || fail "second start at $(place)"
# shellcheck disable=SC2046
click $(close_button 220 220)
wait_end

step 'started with "||" it reads the settings and writes nothing'
cp "$ini" "$work/ini.before"
start "||"
[ "$(place)" = "220 220" ] || fail "\"||\" start at $(place)"
drag 400 230 500 330
read -r left top < <(place)
[ "$left $top" != "220 220" ] || fail "the window did not move"
# shellcheck disable=SC2046
click $(close_button "$left" "$top")
wait_end
cmp -s "$ini" "$work/ini.before" || fail "Kerovia.ini changed although started with ||"
echo "shipped zip: all checks passed"
