#!/usr/bin/env bash
# End-to-end tests of the game program in its automation mode: the real program, the
# built data package, scripted keys, and the files the game writes.
#
# usage: game_e2e_test.sh QUIBNAR2 PACKAGE WORK_FOLDER VEXPAK CONTENT_FOLDER
set -u

GAME=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
PACKAGE=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
WORK=$3
VEXPAK=$(cd "$(dirname "$4")" && pwd)/$(basename "$4")
CONTENT=$5
# Entries of the shipped episode, one progress value each.
ENTRIES=$(grep -c . "$CONTENT/QuibNar.set")
source "$(dirname "$0")/check_support.sh"

# A new game folder: the package and nothing else (the game starts on its default settings,
# the end-of-level and death pop-ups on).
game_folder() {
  local dir="$WORK/$1"
  rm -rf "$dir"
  mkdir -p "$dir"
  ln -s "$PACKAGE" "$dir/Quibnar2.VexPak"
  echo "$dir"
}

# Script lines pressing one arrow key per turn for a moves text ("RRDL..."; "." lets a turn
# pass without a key), from a tick.
moves_script() {
  local tick=$1 moves=$2 key
  for ((i = 0; i < ${#moves}; i++)); do
    case ${moves:i:1} in
      U) key=38 ;; D) key=40 ;; L) key=37 ;; R) key=39 ;; *) key= ;;
    esac
    if [ -n "$key" ]; then
      echo "$tick down $key"
      echo "$((tick + 1)) up $key"
    fi
    tick=$((tick + 12))
  done
}

# Script lines typing a word as a keyboard does: each letter's key goes down, the
# character is typed, the key comes up.
type_script() {
  local tick=$1 word=$2 c
  for ((i = 0; i < ${#word}; i++)); do
    c=${word:i:1}
    echo "$tick down $(printf '%d' "'${c^^}")"
    echo "$tick text $c"
    echo "$((tick + 1)) up $(printf '%d' "'${c^^}")"
    tick=$((tick + 3))
  done
}

# The 64-bit FNV-1a hash of a file's bytes, as sixteen hexadecimal digits: a level's key.
fnv1a() {
  local h=$((0xcbf29ce484222325)) b
  for b in $(od -An -v -t u1 "$1"); do h=$(((h ^ b) * 0x100000001b3)); done
  printf '%016x' "$h"
}

# The progress values of a progress file, one per line.
progress_values() {
  od -An -v -t d4 -w4 "$1" | tr -d ' '
}

run_game() {
  local dir=$1
  shift
  (cd "$dir" && "$GAME" "$@" >stdout.txt 2>stderr.txt)
}

# --- Start-up to the first frame ------------------------------------------------------------
dir=$(game_folder startup)
echo "1 shot first.png" >"$dir/script.txt"
if run_game "$dir" --headless --ticks 3 --script script.txt; then
  [ -f "$dir/first.png" ] || fail "start-up: no screenshot of the first frame"
  [ "$(png_size "$dir/first.png" 2>/dev/null)" = "640 480" ] || fail "start-up: screenshot not 640 x 480"
  grep -q '^tick 1 mode 13 ' "$dir/stdout.txt" || fail "start-up: the main menu did not open: $(cat "$dir/stdout.txt")"
else
  fail "start-up: exit status $? ($(cat "$dir/stderr.txt"))"
fi

# --- A broken command line and a broken script are refused with a message -----------------------
dir=$(game_folder badargs)
run_game "$dir" --headless --ticks zero
[ $? -eq 2 ] || fail "bad --ticks: exit status not 2"
grep -q -- "--ticks needs a number" "$dir/stderr.txt" || fail "bad --ticks: no message"
echo "4 jump 39" >"$dir/script.txt"
run_game "$dir" --headless --script script.txt
[ $? -eq 2 ] || fail "bad script: exit status not 2"
grep -q "script.txt line 1: unknown command 'jump'" "$dir/stderr.txt" || fail "bad script: no message"

# --- Playing an entry by keys: its hint, finishing it, the solved pop-up, MOVE ON ------------
# The first step lands on the info marker: its hint opens over the game (a key during the
# zoom is ignored), Space closes it; the level-finished pop-up's MOVE ON, by mouse, starts
# the next entry.
dir=$(game_folder finish)
{
  moves_script 200 R
  echo "230 down 39"
  echo "231 up 39"
  echo "240 shot hint-zooming.png"
  echo "260 shot hint.png"
  echo "300 down 32"
  echo "301 up 32"
  moves_script 320 DRRRRRRDDDLLLLLDDRRR
  echo "620 shot solved.png"
  echo "630 click 320 250"
} >"$dir/script.txt"
run_game "$dir" --headless --ticks 700 --entry 1 --script script.txt || fail "finish: exit status $?"
grep -q $'^Dialogs=True\r$' "$dir/Config.cfg" 2>/dev/null || fail "finish: the new game folder's Config.cfg has no Dialogs=True"
grep -q '^tick 221 hint shown$' "$dir/stdout.txt" || fail "finish: no hint on the first step: $(cat "$dir/stdout.txt")"
grep -q '^tick 300 hint closed$' "$dir/stdout.txt" || fail "finish: the hint did not close on Space at tick 300"
grep -q ' mode 10 entry 1 ' "$dir/stdout.txt" || fail "finish: level not finished: $(cat "$dir/stdout.txt")"
grep -q ' mode 33 entry 1 ' "$dir/stdout.txt" || fail "finish: no solved pop-up"
grep -q '^tick 630 mode 5 entry 1 ' "$dir/stdout.txt" || fail "finish: MOVE ON did not fade out"
grep -q ' mode 30 entry 1 ' "$dir/stdout.txt" || fail "finish: MOVE ON did not go to the next unsolved entry"
tail -n 1 "$dir/stdout.txt" | grep -q ' mode 7 entry 2 ' || fail "finish: the next entry did not start"
for shot in hint-zooming hint solved; do [ -f "$dir/$shot.png" ] || fail "finish: no $shot.png"; done
if [ -f "$dir/QuibNar.Progress" ]; then
  [ "$(progress_values "$dir/QuibNar.Progress" | sed -n 2p)" = 2 ] || fail "finish: entry 1 not solved in the progress file"
  [ "$(progress_values "$dir/QuibNar.Progress" | wc -l)" = "$ENTRIES" ] || fail "finish: progress file not $ENTRIES values"
else
  fail "finish: no progress file"
fi

# --- Leaving jewels behind: the partly-solved pop-up, WHO CARES? ------------------------------
dir=$(game_folder partly)
{
  # Glittering Hall's shortest way out, past its key and all three jewels.
  moves_script 200 RDDRDDRRRRRRUURUURRRR
  echo "540 shot partly.png"
  echo "550 click 320 250"
} >"$dir/script.txt"
run_game "$dir" --headless --ticks 640 --entry 3 --script script.txt || fail "partly: exit status $?"
grep -q ' mode 34 entry 3 ' "$dir/stdout.txt" || fail "partly: no partly-solved pop-up: $(cat "$dir/stdout.txt")"
tail -n 1 "$dir/stdout.txt" | grep -q ' mode 7 entry 4 ' || fail "partly: WHO CARES? did not start the next entry"
[ "$(progress_values "$dir/QuibNar.Progress" | sed -n 4p)" = 1 ] || fail "partly: entry 3 not partly solved"

# --- A death, the death pop-up after 50 ticks, TRY AGAIN by mouse back into play ---------------
dir=$(game_folder death)
{
  moves_script 200 DD
  echo "300 shot dead.png"
  echo "370 shot death-popup.png"
  echo "380 click 323 265"
  echo "420 shot warp.png"
} >"$dir/script.txt"
run_game "$dir" --headless --ticks 600 --entry 18 --script script.txt || fail "death: exit status $?"
dead=$(sed -n 's/^tick \([0-9]*\) mode 9 entry 18 .*/\1/p' "$dir/stdout.txt")
popup=$(sed -n 's/^tick \([0-9]*\) mode 35 entry 18 .*/\1/p' "$dir/stdout.txt")
if [ -n "$dead" ] && [ -n "$popup" ]; then
  [ $((popup - dead)) -eq 49 ] || fail "death: the pop-up came $((popup - dead)) frame events after the death"
else
  fail "death: no death or no death pop-up: $(cat "$dir/stdout.txt")"
fi
grep -q '^tick 380 mode 12 entry 18 ' "$dir/stdout.txt" || fail "death: TRY AGAIN did not close the pop-up"
grep -q ' mode 14 entry 18 ' "$dir/stdout.txt" || fail "death: no reset warp"
tail -n 1 "$dir/stdout.txt" | grep -q ' mode 2 entry 18 ' || fail "death: the level did not restart into play"
for shot in dead death-popup warp; do [ -f "$dir/$shot.png" ] || fail "death: no $shot.png"; done
[ -f "$dir/QuibNar.Progress" ] && [ "$(progress_values "$dir/QuibNar.Progress" | sort -u)" != 0 ] &&
  fail "death: progress changed"

# --- Undo after a death: the spider's bite taken back with Backspace, then the level finished -
# The last step goes for the jewel beside the spider just shut in, and the spider bites; a
# Backspace takes the step back (the death with it), and the stored solution's remaining
# moves finish the level with every jewel.
dir=$(game_folder undo)
{
  moves_script 127 .DRDDL
  echo "212 down 8"
  echo "212 up 8"
  echo "217 shot undone.png"
  moves_script 212 UURRRRRRRURRLLDLLLLLLLDDLDLDDRRRDRDRRRRRLLLDD
} | sort -n -s -k1,1 >"$dir/script.txt"
run_game "$dir" --headless --ticks 1100 --entry 22 --script script.txt || fail "undo: exit status $?"
died=$(sed -n 's/^tick \([0-9]*\) mode 4 entry 22 .*/\1/p' "$dir/stdout.txt" | head -n 1)
back=$(sed -n 's/^tick \([0-9]*\) mode 2 entry 22 .*/\1/p' "$dir/stdout.txt" | tail -n 1)
if [ -n "$died" ] && [ -n "$back" ] && [ "$back" -gt "$died" ]; then
  grep -q ' mode 33 entry 22 ' "$dir/stdout.txt" || fail "undo: the level was not solved after the undo: $(cat "$dir/stdout.txt")"
else
  fail "undo: no death taken back: $(cat "$dir/stdout.txt")"
fi
[ -f "$dir/undone.png" ] || fail "undo: no undone.png"

# --- Recording a solution with the typed code, then playing it back ----------------------------
dir=$(game_folder record)
{
  # The code restarts the level (a fade and the intro) with the recorder running.
  type_script 110 tarnwickholm
  moves_script 300 RDRRRRRRDDDLLLLLDDRRR
} >"$dir/script.txt"
run_game "$dir" --headless --ticks 900 --entry 1 --script script.txt || fail "record: exit status $?"
# A new recording is kept beside the level's name in the game folder.
recorded=$dir/FirstSteps.Solution
if [ -f "$recorded" ]; then
  head -c 10 "$recorded" | grep -q MorvRecord || fail "record: $recorded is not a recording"
else
  recorded=
  fail "record: no .Solution file written ($(ls "$dir"))"
fi
[ -f "$dir/QuibNar.Progress" ] && [ "$(progress_values "$dir/QuibNar.Progress" | sed -n 2p)" != 0 ] &&
  fail "record: a recorded finish raised the progress"
# The recorded file replaces the shipped solution for the playback code.
if [ -n "$recorded" ]; then
  mkdir -p "$dir/Solutions"
  cp "$recorded" "$dir/Solutions/FirstSteps.Solution"
  type_script 110 fenlark >"$dir/script.txt"
  run_game "$dir" --headless --ticks 700 --entry 1 --script script.txt || fail "playback: exit status $?"
  grep -q ' mode 10 entry 1 ' "$dir/stdout.txt" || fail "playback: the recording did not finish the level: $(cat "$dir/stdout.txt")"
fi

# --- An error during play is shown and play goes on: a damaged solution for the playback code --
dir=$(game_folder damaged)
mkdir -p "$dir/Solutions"
printf 'NotARecord\0\0\0\0' >"$dir/Solutions/FirstSteps.Solution"
{
  type_script 110 fenlark
  moves_script 200 R # onto the info marker, whose hint Space closes
  echo "300 down 32"
  echo "301 up 32"
  moves_script 320 DRRRRRRDDDLLLLLDDRRR
} >"$dir/script.txt"
run_game "$dir" --headless --ticks 760 --entry 1 --script script.txt || fail "damaged: exit status $?"
grep -q "Not a QuibNar Record file!" "$dir/stderr.txt" || fail "damaged: no message: $(cat "$dir/stderr.txt")"
grep -q ' mode 10 entry 1 ' "$dir/stdout.txt" || fail "damaged: play did not go on to finish the level: $(cat "$dir/stdout.txt")"
[ -f "$dir/Config.cfg" ] || fail "damaged: Config.cfg was not written"

# --- The player's best: kept when a level is finished by keys, shown by the level-pick hint ----
dir=$(game_folder best)
{
  moves_script 200 R
  echo "300 down 32"
  echo "301 up 32"
  moves_script 320 DRRRRRRDDDLLLLLDDRRR
  echo "640 click 320 328" # GO TO LEVEL...
  echo "700 move 100 80"   # the pointer rests on the first level's button
  echo "740 shot best-hint.png"
} >"$dir/script.txt"
run_game "$dir" --headless --ticks 760 --entry 1 --script script.txt || fail "best: exit status $?"
grep -q ' mode 29 entry 1 ' "$dir/stdout.txt" || fail "best: no level-pick screen: $(cat "$dir/stdout.txt")"
key=$(fnv1a "$CONTENT/Levels/FirstSteps.map")
index=$(cat "$dir/Best/Best.txt" 2>/dev/null)
if [[ $index =~ ^$key\ ([0-9]+)\ 0\ 0$'\r'$ ]]; then
  turns=${BASH_REMATCH[1]}
  head -c 10 "$dir/Best/$key.Solution" | grep -q MorvRecord || fail "best: no solution file $key.Solution"
  count=$(od -An -j10 -N4 -t d4 "$dir/Best/$key.Solution" | tr -d ' ')
  # The index counts the turns as the game does, the player's two warp-in turns included.
  [ "$((count + 2))" = "$turns" ] || fail "best: the solution holds $count turns, the index $turns"
else
  fail "best: no line for $key in Best/Best.txt: $(cat -A "$dir/Best/Best.txt" 2>&1)"
fi
[ -f "$dir/best-hint.png" ] || fail "best: no best-hint.png"
# F9 plays the best back from the start to the end of the level; its playback is no new best.
cp "$dir/Best/Best.txt" "$dir/index-before.txt" 2>/dev/null
printf '150 down 120\n151 up 120\n400 shot best-playback.png\n' >"$dir/script.txt"
run_game "$dir" --headless --ticks 800 --entry 1 --script script.txt || fail "best F9: exit status $?"
grep -q '^tick 150 mode 5 entry 1 ' "$dir/stdout.txt" || fail "best F9: the level did not start again"
grep -q ' mode 10 entry 1 ' "$dir/stdout.txt" || fail "best F9: the best did not finish the level: $(cat "$dir/stdout.txt")"
cmp -s "$dir/Best/Best.txt" "$dir/index-before.txt" || fail "best F9: the playback changed the best"
# With no best, F9 leaves the play alone.
dir=$(game_folder nobest)
printf '150 down 120\n151 up 120\n170 shot no-best.png\n' >"$dir/script.txt"
run_game "$dir" --headless --ticks 300 --entry 1 --script script.txt || fail "no best F9: exit status $?"
grep -q ' mode 5 entry 1 ' "$dir/stdout.txt" && fail "no best F9: the level started again"
[ -e "$dir/Best" ] && fail "no best F9: a Best folder appeared"

# --- The level-pick screen, by keys ------------------------------------------------------------
dir=$(game_folder pick)
for ((i = 0; i < ENTRIES; i++)); do printf '\x02\x00\x00\x00'; done >"$dir/QuibNar.Progress"
{
  moves_script 200 R
  echo "300 down 32"
  echo "301 up 32"
  moves_script 320 DRRRRRRDDDLLLLLDDRRR
  echo "640 shot pick.png"
  echo "645 down 39"
  echo "646 up 39"
  echo "650 down 39"
  echo "651 up 39"
  echo "655 down 40"
  echo "656 up 40"
  echo "660 shot picked.png"
  echo "665 down 13"
  echo "666 up 13"
} >"$dir/script.txt"
run_game "$dir" --headless --ticks 800 --entry 1 --script script.txt || fail "pick: exit status $?"
grep -q ' mode 29 entry 1 ' "$dir/stdout.txt" || fail "pick: no level-pick screen: $(cat "$dir/stdout.txt")"
grep -q ' entry 12 ' "$dir/stdout.txt" || fail "pick: entry 12 was not picked with Right, Right, Down, Enter"
[ -f "$dir/pick.png" ] || fail "pick: no screenshot"

# --- Alt+Enter during play sets everything up again in the other display mode ----------------
dir=$(game_folder altenter)
printf '150 down 18\n150 down 13\n151 up 13\n151 up 18\n400 shot again.png\n' >"$dir/script.txt"
run_game "$dir" --headless --ticks 420 --entry 1 --script script.txt || fail "alt+enter: exit status $?"
[ "$(grep -c ' mode 7 entry 1 ' "$dir/stdout.txt")" = 2 ] || fail "alt+enter: the entry did not start again: $(cat "$dir/stdout.txt")"
tail -n 1 "$dir/stdout.txt" | grep -q ' mode 2 entry 1 ' || fail "alt+enter: not playing afterwards"
grep -q $'^FullScreen=False\r$' "$dir/Config.cfg" || fail "alt+enter: full screen not switched off in Config.cfg"
[ -f "$dir/again.png" ] || fail "alt+enter: no frame afterwards"

# --- Damaged progress and settings at start-up: reported, kept aside, play goes on -------------
dir=$(game_folder damagedstart)
printf '\x02\x00\x00\x00\x07\x00\x00\x00\x01' >"$dir/QuibNar.Progress"
printf 'SoundVolume=loud\r\nMusicOn=False\r\n' >"$dir/Config.cfg"
cp "$dir/QuibNar.Progress" "$dir/progress-before"
cp "$dir/Config.cfg" "$dir/config-before"
run_game "$dir" --headless --ticks 150 --entry 1 || fail "damaged start: exit status $?"
grep -q 'The progress file "QuibNar.Progress" is damaged; what could be read is used. The file is kept as "QuibNar.Progress.damaged".' "$dir/stderr.txt" ||
  fail "damaged start: no progress message: $(cat "$dir/stderr.txt")"
grep -q 'The configuration file "Config.cfg" is damaged; it is kept as "Config.cfg.damaged".' "$dir/stderr.txt" ||
  fail "damaged start: no configuration message"
cmp -s "$dir/QuibNar.Progress.damaged" "$dir/progress-before" || fail "damaged start: the progress file was not kept"
cmp -s "$dir/Config.cfg.damaged" "$dir/config-before" || fail "damaged start: the configuration was not kept"
tail -n 1 "$dir/stdout.txt" | grep -q ' mode 2 entry 1 ' || fail "damaged start: not playing: $(tail -n 3 "$dir/stdout.txt")"
grep -q $'^MusicOn=False\r$' "$dir/Config.cfg" || fail "damaged start: the readable setting was lost"

# --- Start-up failures say what failed and what was being done -----------------------------
dir=$(game_folder nopackage)
rm "$dir/Quibnar2.VexPak"
run_game "$dir" --headless --ticks 5
[ $? -eq 1 ] || fail "no package: exit status not 1"
grep -q "File Missing 'QuibNar.set'." "$dir/stderr.txt" || fail "no package: no message for the missing episode: $(cat "$dir/stderr.txt")"
dir=$(game_folder nosamples)
rm "$dir/Quibnar2.VexPak"
(cd "$CONTENT" && "$VEXPAK" create "$dir/Quibnar2.VexPak" . >/dev/null) || fail "nosamples: vexpak failed"
run_game "$dir" --headless --ticks 5
[ $? -eq 1 ] || fail "no samples: exit status not 1"
grep -q ' at \$[0-9A-F]\+$' "$dir/stderr.txt" || fail "no samples: no address in: $(cat "$dir/stderr.txt")"
grep -q "^Last operation performed: Loading samples.TeleportIn" "$dir/stderr.txt" ||
  fail "no samples: no last operation in: $(cat "$dir/stderr.txt")"
grep -q '^SoundVolume' "$dir/Config.cfg" && fail "no samples: Config.cfg written after a failed start"

# --- Config.cfg written at exit with the values in force --------------------------------------
dir=$(game_folder config)
printf 'MusicVolume = 3\r\nanimatewater=FALSE\r\nSoundVolume=12\r\n' >"$dir/Config.cfg"
run_game "$dir" --headless --ticks 5 -BitBlt || fail "config: exit status $?"
grep -q 'Parameter SoundVolume has an invalid value.' "$dir/stderr.txt" || fail "config: no message for SoundVolume=12"
for line in MusicVolume=3 SoundVolume=10 AnimateWater=False BitBlt=True Dialogs=True; do
  grep -q "^$line"$'\r$' "$dir/Config.cfg" || fail "config: no '$line' in $(cat -A "$dir/Config.cfg")"
done
[ "$(wc -l <"$dir/Config.cfg")" = 12 ] || fail "config: not twelve lines"
# Compatibility mode: windowed through a bitmap, no sound; saved like any other setting.
run_game "$dir" --headless --ticks 5 /compatibilitymode || fail "compatibility: exit status $?"
for line in FullScreen=False SoundDevice=0 BitBlt=True; do
  grep -q "^$line"$'\r$' "$dir/Config.cfg" || fail "compatibility: no '$line'"
done

finish "game end-to-end: all passed"
