#!/usr/bin/env bash
# End-to-end test of assetgen: draws every picture twice, checks the runs give the same
# bytes, and decodes the character and unit pictures with the game's own decoders to check
# their names and pixel sizes.
set -euo pipefail

tool="$1"
work="$2"
rm -rf "$work"
mkdir -p "$work"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$tool" "$work/first" || fail "first run failed"
"$tool" "$work/second" || fail "second run failed"
diff -r "$work/first" "$work/second" >/dev/null || fail "two runs wrote different files"

"$tool" --check "$work/first" >"$work/manifest.txt" || fail "--check could not decode the pictures"

# name width height, as the game cuts them.
expected=(
  "BaseGfx.bmp 576 480"
  "ZeviWalking.jpg 128 1024"
  "ZeviStanding.jpg 128 192"
  "ZeviDying.jpg 40 560"
  "Warp.jpg 66 2130"
  "SpinningThings.jpg 160 768"
  "Exits.jpg 224 256"
  "WaterTemplates.jpg 512 128"
  "WaterBWa.jpg 256 960"
  "WaterBWb.jpg 256 960"
  "ForceField.Jpg 128 128"
  "ForceFieldLite.Jpg 128 128"
  "ForceFieldRed.Jpg 128 128"
  "ForceFieldGreen.Jpg 128 128"
  "ForceFieldBlue.Jpg 128 128"
  "Snake1.jpg 64 1488"
  "Spider.jpg 360 104"
  "Explosion1.jpg 1404 54"
  "FireBall.jpg 160 3432"
)
# The level backdrops, in their own folder, cover the board exactly.
for name in Hollowmere Cistern Lanternhall Mossgate Frostvault Emberforge Sunkengarden \
            Starlitruin; do
  expected+=("BackDrops/$name.jpg 512 480")
done
for n in 1 2 3 4 5 6; do expected+=("Popup_GeneralDeath$n.Jpg 448 180"); done
for kind in Bomb Snake Spider Robot; do
  for n in 1 2 3; do expected+=("Popup_${kind}Death$n.Jpg 448 180"); done
done
for line in "${expected[@]}"; do
  grep -qxF "$line" "$work/manifest.txt" || fail "missing or wrong size: $line"
done

# The water noise is read as bands of a thirtieth of the combined height; each band must be
# a whole number of 32-pixel cells so no cell reads past the noise image.
height=$(($(awk '$1 == "WaterBWa.jpg" { print $3 }' "$work/manifest.txt") +
          $(awk '$1 == "WaterBWb.jpg" { print $3 }' "$work/manifest.txt")))
(( (height / 30) % 32 == 0 )) || fail "water noise band $((height / 30)) is not a multiple of 32"

# The bitmap keeps the key colour exactly: the top right pixel of BaseGfx.bmp (576 x 480,
# bottom-up, rows of 1728 bytes) lies outside every cell.
offset=$((54 + 479 * 1728 + 575 * 3))
pixel=$(od -An -tx1 -j "$offset" -N 3 "$work/first/BaseGfx.bmp" | tr -d ' \n')
[[ "$pixel" == "ff00ff" ]] || fail "BaseGfx.bmp key pixel is $pixel, not ff00ff"

# Bad use is refused.
if "$tool" >/dev/null 2>&1; then fail "no arguments accepted"; fi
if "$tool" --check "$work/none" >/dev/null 2>&1; then fail "--check of a missing folder succeeded"; fi

echo "assetgen: ${#expected[@]} pictures checked"
