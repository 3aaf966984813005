# Sourced by the visible-*.sh runs: a virtual screen of their own (Xvfb and twm on a free
# display) that is stopped again on exit with the game, a failure count and screenshots.
#   check_tools NAME          NAME's needs are there, or it stops with status 2
#   start_virtual_screen OUT  the screen, its logs in OUT; DISPLAY set
#   fail MESSAGE              one more failure, said on standard error
#   shot NAME [SETTLE]        the whole screen as OUT/NAME.png, after SETTLE seconds (0.5)
# The run sets game_pid to the game it starts; it is stopped with the screen.

check_tools() {
  for tool in Xvfb xdotool twm xwd; do
    command -v "$tool" >/dev/null || { echo "$1: $tool is missing" >&2; exit 2; }
  done
}

xvfb_pid= wm_pid= game_pid=
stop_virtual_screen() {
  for pid in $game_pid $wm_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}

# A 16-bit screen: the game then starts without asking about the display.
start_virtual_screen() {
  local logs=$1 display=90
  while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
  done
  export DISPLAY=:$display
  trap stop_virtual_screen EXIT
  Xvfb "$DISPLAY" -screen 0 1024x768x16 -nolisten tcp >"$logs/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  twm >"$logs/twm.log" 2>&1 &
  wm_pid=$!
  sleep 0.5
}

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

shot() {
  sleep "${2:-0.5}"
  xwd -root -silent >"$out/$1.xwd"
  python3 "$root/scripts/xwd2png.py" "$out/$1.xwd" "$out/$1.png"
  rm "$out/$1.xwd"
}
