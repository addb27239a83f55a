#!/usr/bin/env bash
# Plays the real program on Wayland, as Debian's default desktop runs it: under weston's headless
# backend with Qt's Wayland platform, two computer players play a 5 x 5 field (25 cells: no tie, so
# every game ends in a record) to its end. The game is stored as decided, and the program says
# nothing on stderr meanwhile. Skipped (exit 77) only where weston is not installed.
# Usage: play_on_wayland.sh TALLOWEN
set -euo pipefail
game=$1
command -v weston >/dev/null || { echo "SKIPPED: weston is not installed (scripts/install-deps installs it)"; exit 77; }
dir=$(mktemp -d)
compositor=0 app=0
trap '[ "$app" -eq 0 ] || kill "$app" 2>/dev/null; [ "$compositor" -eq 0 ] || kill "$compositor" 2>/dev/null
      wait 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR=$dir/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
socket=tallowen-e2e
weston --backend=headless-backend.so --socket="$socket" --width=1920 --height=1080 --use-pixman \
  >"$dir/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start: $(cat "$dir/weston.log")"

store=$dir/settings.sqlite3
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  "$game" --store "$store" --game "+XXXXXXXXXXXXXXXXXXXXXXX-1" --p1 "PC Beginner" --p2 "PC Beginner" \
  >"$dir/out.log" 2>"$dir/err.log" &
app=$!
records() { sqlite3 "$store" "SELECT COUNT(DISTINCT path) FROM setting_values WHERE path LIKE '%\\Hry\\%'" 2>/dev/null || echo 0; }
limit=$((SECONDS + 240))
until [ "$(records)" -ge 1 ]; do
  kill -0 "$app" 2>/dev/null || fail "the program ended: $(cat "$dir/err.log")"
  [ "$SECONDS" -lt "$limit" ] || fail "no record after four minutes"
  sleep 1
done
echo "ok 1: the computer game on Wayland ended and was recorded"
stored() { sqlite3 "$store" "SELECT value FROM setting_values WHERE path LIKE '%\\Hry\\00001' AND name = '$1'"; }
[ "$(stored 'Hráč1')" = "PC Beginner" ] && [ "$(stored 'Hráč2')" = "PC Beginner" ] &&
  [ $(($(stored 'Hráč1Počet') + $(stored 'Hráč2Počet'))) -eq 25 ] ||
  fail "the record: $(sqlite3 "$store" 'SELECT * FROM setting_values')"
echo "ok 2: the record holds the players and counts that fill the field"
kill -0 "$app" || fail "the program ended with the game"
[ ! -s "$dir/err.log" ] || fail "the program wrote on stderr: $(cat "$dir/err.log")"
echo "ok 3: nothing on stderr"
