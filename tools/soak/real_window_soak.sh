#!/usr/bin/env bash
# The game in a real window for a long while, under random keys, with its
# resident memory sampled: a soak of the SDL backend, the window, the sound
# device and everything the headless tests cannot reach. Not part of CI.
#
#   bash tools/soak/real_window_soak.sh [seconds] [preset]
#
# seconds: how long to play (default 900, a quarter of an hour); preset: the
# build to run (default asan; it must be built). The game runs in a copy of
# the preset's run folder, on its own virtual display (Xvfb), with keys from
# xdotool: moves held for a while, actions, E, the menu with its lines and
# dialogs (typed names), H and L on the title, names at game over. Its
# resident memory (VmRSS) is sampled every 30 seconds. At the end the game
# is left through its menu, and the script prints the samples, the
# trend, the game's exit status and any sanitizer report, and fails if the
# game died early or a sanitizer spoke. Needs Xvfb and xdotool.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-900}"
preset="${2:-asan}"
run="build/$preset/run"
[ -x "$run/zauberlabyrinth" ] || { echo "soak: build the $preset preset first" >&2; exit 1; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "soak: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
cp -r "$run"/. "$work"/
rm -f "$work"/Data/*.sav "$work"/Data/Einstellung.dat
# Sound on from the start (the settings file's first line), so the sound
# device is soaked too; the table begins empty.
printf '1,0,0\r\n' >"$work/Data/Einstellung.dat"

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 2
export DISPLAY="$display"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:log_path=$work/sanitizer}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:log_path=$work/sanitizer}"

start_game() {
  (cd "$work" && exec ./zauberlabyrinth) >>"$work/game.log" 2>&1 &
  game=$!
}
start_game
restarts=0
restart_at=()
cleanup() {
  kill "$game" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 3

rss() { awk '/^VmRSS/ {print $2}' "/proc/$game/status" 2>/dev/null || echo 0; }
press() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }
moves=(Up Down Left Right)
names=(soakA soakB soakC fehlt)

samples=()
start=$SECONDS
next_sample=$start
# Random input, paced like a restless player; RANDOM is seeded for a
# repeatable order of keys (the game's timing still varies).
RANDOM=14
while [ $((SECONDS - start)) -lt "$seconds" ]; do
  if ! kill -0 "$game" 2>/dev/null; then
    # Random keys may still find "Spiel beenden": a clean end is followed
    # by a new start, as a player would start again; anything else ends
    # the soak.
    code=0
    wait "$game" || code=$?
    [ "$code" -eq 0 ] || { game_status=$code; break; }
    restarts=$((restarts + 1))
    restart_at+=("$((SECONDS - start)) s")
    start_game
    sleep 3
  fi
  if [ "$SECONDS" -ge "$next_sample" ]; then
    samples+=("$(rss)")
    next_sample=$((next_sample + 30))
  fi
  r=$((RANDOM % 100))
  if [ $r -lt 50 ]; then
    press "${moves[RANDOM % 4]}" "0.$((RANDOM % 9 + 1))"
  elif [ $r -lt 62 ]; then
    press space 0.1
  elif [ $r -lt 67 ]; then
    press Return 0.1
  elif [ $r -lt 72 ]; then
    press e 0.1
  elif [ $r -lt 76 ]; then
    press "$( [ $((RANDOM % 2)) -eq 0 ] && echo h || echo l )" 0.15
  elif [ $r -lt 82 ]; then
    # The menu: Esc, down to line 1 (save), 2 (load), 3 (back), 5..7
    # (switches), Enter, and a name for the dialogs. Never line 4, the end.
    # Esc is held long enough to meet the wizard at rest; the menu itself
    # ignores it. A switch leaves the menu open: back up to line 3 then.
    press Escape 0.4
    sleep 0.4
    line=$((RANDOM % 6 + 1))
    [ "$line" -ge 4 ] && line=$((line + 1))
    for ((k = 1; k < line; k++)); do press Down 0.05; sleep 0.2; done
    press Return 0.1
    sleep 0.5
    if [ "$line" -le 2 ]; then
      xdotool type --delay 60 "${names[RANDOM % 4]}"
      press Return 0.1
      sleep 2.5
    elif [ "$line" -ge 5 ]; then
      for ((k = 3; k < line; k++)); do press Up 0.05; sleep 0.2; done
      press Return 0.1
      sleep 1
    fi
  elif [ $r -lt 85 ]; then
    # A name, should the game over ask for one; otherwise harmless keys.
    xdotool type --delay 60 "Soak$((RANDOM % 10))"
    press Return 0.1
  else
    sleep "0.$((RANDOM % 9 + 1))"
  fi
done
samples+=("$(rss)")

alive=yes
kill -0 "$game" 2>/dev/null || alive=no
# Ended as a player ends it, through the menu's "Spiel beenden" (the
# settings are written): Esc opens the menu (or first ends a
# demonstration), Down three times frames the fourth line.
if [ "$alive" = yes ]; then
  for _ in 1 2 3 4; do
    press Return 0.1
    sleep 1
    press Escape 0.15
    sleep 0.8
    for k in 1 2 3; do press Down 0.05; sleep 0.2; done
    press Return 0.1
    for _ in $(seq 1 20); do kill -0 "$game" 2>/dev/null || break; sleep 0.5; done
    kill -0 "$game" 2>/dev/null || break
  done
fi
status=${game_status:-0}
[ "$alive" = yes ] && { wait "$game" || status=$?; }

echo "soak: $((SECONDS - start)) s of random keys on display $display, preset $preset"
echo "soak: resident memory every 30 s (KB): ${samples[*]}"
first=${samples[1]:-${samples[0]}}
last=${samples[-1]}
max=$(printf '%s\n' "${samples[@]}" | sort -n | tail -1)
echo "soak: after the first half minute $first KB, at the end $last KB, highest $max KB; change $((last - first)) KB"
echo "soak: the game was still running at the end: $alive; its exit status: $status; new starts after a clean end: $restarts ${restart_at[*]:+(at ${restart_at[*]})}"
[ -f "$work/Data/Einstellung.dat" ] && echo "soak: settings file after the close: $(head -c 60 "$work/Data/Einstellung.dat" | tr '\r\n' '  ')"
failed=0
if ls "$work"/sanitizer* >/dev/null 2>&1; then
  echo "soak: sanitizer reports:" >&2
  cat "$work"/sanitizer* >&2
  failed=1
fi
[ "$alive" = yes ] || { echo "soak: the game died; its output:" >&2; tail -20 "$work/game.log" >&2; failed=1; }
rm -rf "$work"
exit $failed
