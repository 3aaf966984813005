#!/usr/bin/env bash
# End-to-end test of soundgen: the same bytes on every run, every sample the game plays
# present as a short 44.1 kHz 16-bit mono WAV at a sensible level, every music module a
# well-formed extended module that loops, and (given the checker) SDL2_mixer loading
# and playing all of them headless, every module mixed through and past its loop at a
# steady level without clipping or dropping out.
#
# usage: soundgen_test.sh SOUNDGEN WORK_FOLDER [SOUNDGEN_MIXCHECK]
set -u

SOUNDGEN=$1
WORK=$2
MIXCHECK=${3:-}
source "$(dirname "$0")/check_support.sh"

# u8/u16/u32 FILE OFFSET: unsigned little-endian integers from a file.
u8() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }
u16() { od -An -tu2 -j "$2" -N2 --endian=little "$1" | tr -d ' '; }
u32() { od -An -tu4 -j "$2" -N4 --endian=little "$1" | tr -d ' '; }
text() { dd if="$1" bs=1 skip="$2" count="$3" 2>/dev/null; }

SAMPLES=(
  MenuMove.wav MenuMouseMove.wav MenuSelect.wav menuClose.wav Slider.wav InvalidOption.wav
  MainMenuOpen.wav MainMenuClose.wav TeleportIn.wav TelePortOut.wav
  SpiderMunching.Wav SpiderExplosion.Wav Splosh.Wav SlideStone.Wav CollectKey.Wav CollectGem.Wav
  ClearRubble.Wav SnakeAngry.Wav SnakeFire.Wav Fireball.Wav SpiderAttack.Wav SpiderShuffle.Wav
  SpiderTrapped.Wav CherryBombExplosion.Wav CherryBombFuse.Wav DropBomb.Wav CherryBombPickup.Wav
  OpeningDoor.Wav DroidZap.Wav PillarOut1.Wav PillarOut2.Wav PillarOut3.Wav PillarOut4.Wav
  PillarIn.Wav PillarEnd.Wav
)
MODULES=(AncientStories2.xm DeepCistern.xm LanternHall.xm BrightMeadow.xm ShadowWarren.xm TideCaves.xm
  ClockworkDeep.xm GrandVault.xm)

rm -rf "$WORK"
mkdir -p "$WORK"

# Two runs, identical bytes.
"$SOUNDGEN" "$WORK/a" >"$WORK/a.log" 2>&1 || fail "first run exited $?: $(cat "$WORK/a.log")"
"$SOUNDGEN" "$WORK/b" >"$WORK/b.log" 2>&1 || fail "second run exited $?"
diff -r "$WORK/a" "$WORK/b" >"$WORK/diff" 2>&1 || fail "two runs differ: $(head -5 "$WORK/diff")"

# Usage errors.
"$SOUNDGEN" >/dev/null 2>"$WORK/err"
[[ $? == 2 ]] && grep -q '^usage: soundgen' "$WORK/err" || fail "no usage message without arguments"
(cd "$WORK" && "$SOUNDGEN" "" >/dev/null 2>"$WORK/err")
[[ $? == 2 && ! -e $WORK/samples ]] || fail "an empty output folder was not refused"

OUT=$WORK/a

# Exactly the expected files, with the game's spelling.
expected=$( (printf 'samples/%s\n' "${SAMPLES[@]}"; printf 'Music/%s\n' "${MODULES[@]}") | sort)
actual=$(cd "$OUT" && find . -type f | sed 's|^\./||' | sort)
[[ "$expected" == "$actual" ]] || fail "file list differs: $(diff <(echo "$expected") <(echo "$actual") | head -10)"

for name in "${SAMPLES[@]}"; do
  f=$OUT/samples/$name
  [[ -f $f ]] || continue
  size=$(stat -c %s "$f")
  [[ "$(text "$f" 0 4)$(text "$f" 8 8)$(text "$f" 36 4)" == "RIFFWAVEfmt data" ]] || { fail "$name: not a plain RIFF WAVE"; continue; }
  [[ $(u32 "$f" 4) == $((size - 8)) && $(u32 "$f" 40) == $((size - 44)) ]] || fail "$name: chunk sizes do not match the file"
  [[ $(u32 "$f" 16) == 16 && $(u16 "$f" 20) == 1 && $(u16 "$f" 22) == 1 ]] || fail "$name: not mono PCM"
  [[ $(u32 "$f" 24) == 44100 && $(u32 "$f" 28) == 88200 && $(u16 "$f" 32) == 2 && $(u16 "$f" 34) == 16 ]] ||
    fail "$name: not 44100 Hz 16-bit"
  frames=$(((size - 44) / 2))
  ((frames >= 4410 && frames <= 66150)) || fail "$name: $frames frames, not 0.1 to 1.5 s"

  # Level: loud enough to hear, never above -2.9 dBFS (23400); ends silent unless it loops;
  # a loop's seam is no bigger a jump than the sound's usual steps.
  read -r peak first last meanstep < <(od -An -v -td2 -j 44 --endian=little "$f" | awk '
    { for (i = 1; i <= NF; ++i) { v = $i + 0; a = v < 0 ? -v : v; if (a > peak) peak = a
        if (n == 0) first = v; else { d = v - prev; steps += d < 0 ? -d : d }
        prev = v; ++n } }
    END { printf "%d %d %d %d\n", peak, first, prev, steps / (n - 1) }')
  ((peak <= 23400)) || fail "$name: peak $peak is louder than -3 dBFS"
  ((peak >= 11000)) || fail "$name: peak $peak is too quiet"
  if [[ $name == CherryBombFuse.Wav ]]; then
    seam=$((last - first))
    ((${seam#-} <= meanstep)) || fail "$name: loop seam jumps $seam (usual step $meanstep)"
  else
    ((${last#-} <= 200)) || fail "$name: ends on $last, not silence"
  fi
done

for name in "${MODULES[@]}"; do
  f=$OUT/Music/$name
  [[ -f $f ]] || continue
  size=$(stat -c %s "$f")
  ((size > 20000 && size < 4000000)) || fail "$name: implausible size $size"
  [[ "$(text "$f" 0 17)" == "Extended Module: " && $(u8 "$f" 37) == 26 ]] || { fail "$name: no module signature"; continue; }
  [[ $(u16 "$f" 58) == 260 && $(u32 "$f" 60) == 276 ]] || fail "$name: not a version 1.04 header"
  orders=$(u16 "$f" 64) restart=$(u16 "$f" 66) channels=$(u16 "$f" 68)
  patterns=$(u16 "$f" 70) instruments=$(u16 "$f" 72) flags=$(u16 "$f" 74)
  speed=$(u16 "$f" 76) bpm=$(u16 "$f" 78)
  ((orders >= 1 && orders <= 256 && restart < orders)) || fail "$name: order list $orders, restart $restart"
  ((channels >= 2 && channels <= 32 && channels % 2 == 0)) || fail "$name: $channels channels"
  ((patterns >= 1 && instruments >= 1 && (flags & 1) == 1)) || fail "$name: $patterns patterns, $instruments instruments, flags $flags"
  ((speed >= 1 && speed <= 31 && bpm >= 32 && bpm <= 255)) || fail "$name: speed $speed, bpm $bpm"
  for ((i = 0; i < orders; ++i)); do
    (($(u8 "$f" $((80 + i))) < patterns)) || fail "$name: order $i names a missing pattern"
  done
  # Playing time: orders x 64 rows x speed ticks of 2.5/bpm seconds, one to two minutes
  # and a little.
  seconds=$((orders * 64 * speed * 5 / (2 * bpm)))
  ((seconds >= 60 && seconds <= 130)) || fail "$name: plays $seconds s"

  # Walk the patterns, then the instruments and their sample data: the file must end
  # exactly where the last sample's data does.
  at=$((60 + 276))
  for ((p = 0; p < patterns; ++p)); do
    [[ $(u32 "$f" $at) == 9 && $(u8 "$f" $((at + 4))) == 0 && $(u16 "$f" $((at + 5))) == 64 ]] ||
      { fail "$name: pattern $p header is wrong"; continue 2; }
    at=$((at + 9 + $(u16 "$f" $((at + 7)))))
  done
  for ((n = 0; n < instruments; ++n)); do
    ((at + 29 <= size)) || { fail "$name: instrument $n lies past the end"; continue 2; }
    header=$(u32 "$f" $at) count=$(u16 "$f" $((at + 27)))
    ((count == 1)) || { fail "$name: instrument $n has $count samples"; continue 2; }
    sample_header=$(u32 "$f" $((at + 29)))
    at=$((at + header))
    length=$(u32 "$f" $at) loop_start=$(u32 "$f" $((at + 4))) loop_length=$(u32 "$f" $((at + 8))) type=$(u8 "$f" $((at + 14)))
    (((type & 0x10) && length % 2 == 0 && loop_start + loop_length <= length)) || fail "$name: sample $n is malformed"
    at=$((at + sample_header + length))
  done
  ((at == size)) || fail "$name: structure ends at $at, file is $size bytes"
done

if [[ -n $MIXCHECK ]]; then
  "$MIXCHECK" "$OUT" >"$WORK/mixcheck.log" 2>&1 || fail "SDL2_mixer check: $(grep -v '^ok' "$WORK/mixcheck.log")"
  [[ $(grep -c '^ok' "$WORK/mixcheck.log") == $((${#SAMPLES[@]} + ${#MODULES[@]})) ]] ||
    fail "SDL2_mixer check did not play every file"

  # The check fails a module cut short, and names it.
  mkdir -p "$WORK/cut/samples" "$WORK/cut/Music"
  cp "$OUT/samples/MenuMove.wav" "$WORK/cut/samples/"
  cp "$OUT/Music/TideCaves.xm" "$WORK/cut/Music/"
  head -c 3000 "$OUT/Music/DeepCistern.xm" >"$WORK/cut/Music/DeepCistern.xm"
  "$MIXCHECK" "$WORK/cut" >"$WORK/cut.log" 2>&1 && fail "SDL2_mixer check passed a module cut short"
  grep -q '^FAIL DeepCistern.xm' "$WORK/cut.log" && grep -q '^ok   TideCaves.xm' "$WORK/cut.log" &&
    ! grep -q '^ok   DeepCistern.xm' "$WORK/cut.log" ||
    fail "SDL2_mixer check did not single out the cut module: $(grep -v '^ok' "$WORK/cut.log")"
fi

finish "soundgen: all checks passed"
