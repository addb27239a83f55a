#!/usr/bin/env bash
# Two copies of the real program in one virtual X server, one hosting and one joining over
# localhost, played as two people would with xdotool's clicks: each moves only on its own turn,
# and each move shows on the other screen. The game on "Quick atack" is played to its end, and both
# stores hold it with both names. Then one copy joins the engine tool's computer host and plays it
# to the end. Moves are chosen by the engine tool from the position the moves so far lead to.
# Usage: play_across_the_network.sh TALLOWEN TALLOWEN-ENGINE. A failed step leaves
# e2e-network-failed.png in the current folder.
set -eEuo pipefail
readonly screen=2800x1100
if [ -z "${TALLOWEN_E2E_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp -noreset" env TALLOWEN_E2E_DISPLAY=1 "$0" "$@"
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
game=$1 engine=$2
dir=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$dir"' EXIT
checked=0
step=start

fail() {
  echo "FAILED at step \"$step\": $*" >&2
  import -window root e2e-network-failed.png 2>/dev/null || true
  for log in "$dir"/*.log; do echo "--- $log"; grep -v ALSA "$log" || true; done >&2
  exit 1
}
trap 'fail "line $LINENO: $BASH_COMMAND"' ERR
# shellcheck source=x11_steps.sh
source "$(dirname "$0")/x11_steps.sh"
# The visible window of process $1 whose name matches $2, if any.
window_of() { local ids; ids=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null) || true; sed -n 1p <<<"$ids"; }
has_window() { [ -n "$(window_of "$1" "$2")" ]; }
no_window() { [ -z "$(window_of "$1" "$2")" ]; }
# A first start greets the player once; the greeting's OK button has the focus.
greeted() {
  local w
  within 5 has_window "$1" 'Aldar Brenholt' || return 0
  w=$(window_of "$1" 'Aldar Brenholt')
  measure "$w"
  xdotool mousemove $((X + W / 2)) $((Y + H / 2)) key Return
  wait_until 5 no_window "$1" 'Aldar Brenholt'
}
records() { sqlite3 "$1" "SELECT COUNT(DISTINCT path) FROM setting_values WHERE path LIKE '%\\Hry\\%'" 2>/dev/null || echo 0; }
# Value $3 of stored game $2 in store $1.
stored() { sqlite3 "$1" "SELECT value FROM setting_values WHERE path LIKE '%\\Hry\\0000$2' AND name = '$3'"; }
has_records() { [ "$(records "$1")" -ge "$2" ]; }

# Looks at the board of window $1: cell $2,$3 like colour $4.
shows() { board_area "$1"; looks_like "$2" "$3" "$4"; }

# The position, as the engine tool plays the moves so far from the start.
readonly field='-XXXXXXXXXXXXXXX0---0X0+0-0X0+++0XXXXXXXXXXXXXXX+'
line=()
position() { "$engine" play --rule star "${field}1" "${line[@]}"; }
over() { grep -q '^over yes' <<<"$1"; }
to_move() { awk '$1 == "tomove" { print $2 }' <<<"$1"; }
next_move() { "$engine" moves --rule star "$(awk '$1 == "field" { f = $2 } $1 == "tomove" { print f $2 }' <<<"$1")" | sed -n 1p; }
# Player $1 makes the next move of position $5 on window $2 and it shows on window $3 in colour $4.
play_move() {
  local sx sy tx ty kind
  read -r sx sy tx ty kind <<<"$(next_move "$5")"
  board_area "$2"
  click "$(cell_x "$sx")" "$(cell_y "$sy")"
  click "$(cell_x "$tx")" "$(cell_y "$ty")"
  line+=("$sx,$sy:$tx,$ty")
  [ -z "$3" ] || wait_until 5 shows "$3" "$tx" "$ty" "$4"
  # Clicks count again once the turn change (200 ms after a move) is over on both screens.
  sleep 0.4
}

readonly port=$((47000 + RANDOM % 2000)) code=$((100000 + RANDOM % 900000))
step="a host shows its setup window with \"Network\" and \"Host\" chosen and says where it listens"
"$game" --store "$dir/ann.sqlite3" --host "$port" --code "$code" --p1 Ann --field "Quick atack" >"$dir/host.log" 2>&1 &
host=$! && pids+=("$host")
wait_until 20 has_window "$host" '^Tallowen$'
greeted "$host"
wait_until 5 grep -q "hosting on port $port, code $code" "$dir/host.log"
hostsetup=$(window_of "$host" '^Tallowen$')
xdotool windowmove "$hostsetup" 0 0
pass

step="a joiner dials it with the code, and the host's START starts the game on both screens"
"$game" --store "$dir/eva.sqlite3" --join "127.0.0.1:$port" --code "$code" --p2 Eva >"$dir/join.log" 2>&1 &
joiner=$! && pids+=("$joiner")
wait_until 20 has_window "$joiner" '^Tallowen$'
greeted "$joiner"
xdotool windowmove "$(window_of "$joiner" '^Tallowen$')" 1400 0
sleep 2
# START, the right-hand column's upper button (see play_on_a_desktop.sh).
measure "$hostsetup"
click $((X + W - 60)) $((Y + H - 122))
wait_until 10 has_window "$host" '^Tallowen - Quick atack$'
wait_until 10 has_window "$joiner" '^Tallowen - Quick atack$'
hostboard=$(window_of "$host" '^Tallowen - Quick atack$')
joinboard=$(window_of "$joiner" '^Tallowen - Quick atack$')
xdotool windowmove "$hostboard" 0 0
xdotool windowmove "$joinboard" 1400 0
sleep 1
board_area "$hostboard"
one=$(cell_colour 6 6) two=$(cell_colour 0 0)
pass

step="a click on the other player's turn changes nothing"
read -r sx sy tx ty kind <<<"$(next_move "$(position)")"
board_area "$joinboard"
empty=$(cell_colour "$tx" "$ty")
click "$(cell_x "$sx")" "$(cell_y "$sy")"
click "$(cell_x "$tx")" "$(cell_y "$ty")"
sleep 0.5
shows "$joinboard" "$tx" "$ty" "$empty" || fail "the joiner moved for the host"
pass

step="the two play \"Quick atack\" to its end, each move showing on the other screen"
for _ in $(seq 200); do
  now=$(position)
  over "$now" && break
  if [ "$(to_move "$now")" = 1 ]; then
    play_move 1 "$hostboard" "$joinboard" "$one" "$now"
  else
    play_move 2 "$joinboard" "$hostboard" "$two" "$now"
  fi
done
over "$(position)" || fail "no end after 200 moves"
wait_until 10 has_records "$dir/ann.sqlite3" 1
wait_until 10 has_records "$dir/eva.sqlite3" 1
pass

for store in ann eva; do
  step="$store's store holds the game with both names"
  [ "$(stored "$dir/$store.sqlite3" 1 'Hráč1')" = Ann ] && [ "$(stored "$dir/$store.sqlite3" 1 'Hráč2')" = Eva ] &&
    [ "$(stored "$dir/$store.sqlite3" 1 '')" = "Quick atack" ] || fail "$(sqlite3 "$dir/$store.sqlite3" 'SELECT * FROM setting_values')"
  pass
done

step="the joiner's exit (title bar: \"Really exit?\" > \"Really exit!\") is told on the host's screen"
popups() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
menu() { comm -13 <(printf '%s\n' "$before") <(popups) | tail -1; }
menu_opened() { [ -n "$(menu)" ]; }
before=$(popups)
measure "$joinboard"
click $((X + W + 9 - 24)) $((Y + 15))
wait_until 5 menu_opened
xdotool mousemove --window "$(menu)" 30 10 click 1
timeout 10 tail --pid="$joiner" -f /dev/null || fail "still running"
wait "$joiner" || fail "exit status $?"
wait_until 10 has_window "$host" '^Tallowen$'
# The message box over the host's game window, read as a person reads it.
told() {
  measure "$(window_of "$host" '^Tallowen$')"
  text=$(import -window root png:- | convert - -crop "${W}x${H}+${X}+${Y}" +repage -resize 200% png:- | tesseract - - 2>/dev/null)
  grep -q "Eva has left" <<<"$text"
}
within 10 told || fail "the host's message reads: $text"
pass
kill "$host" 2>/dev/null || true

step="a joiner plays the engine tool's computer host (PC Beginner) to the end"
game_number=$(($(records "$dir/eva.sqlite3") + 1))
# Two games, so that the host is still there to send its last move of the first.
"$engine" host --level 1 --port "$port" --code "$code" --field "Quick atack" --games 2 >"$dir/engine.log" 2>"$dir/engine-err.log" &
computer=$! && pids+=("$computer")
sleep 1
"$game" --store "$dir/eva.sqlite3" --join "127.0.0.1:$port" --code "$code" --p2 Eva >"$dir/join2.log" 2>&1 &
joiner=$! && pids+=("$joiner")
wait_until 20 has_window "$joiner" '^Tallowen - Quick atack$'
greeted "$joiner"
joinboard=$(window_of "$joiner" '^Tallowen - Quick atack$')
# Each cell's mean colour on the joiner's board, row by row, from one screenshot.
cell_means() {
  board_area "$joinboard"
  import -window root png:- | convert - -crop "${BW}x${BH}+$((X + BL))+$((Y + 86))" +repage -scale '7x7!' \
    -depth 8 txt:- | awk -F'[(),]' 'NR > 1 { print $3 + 0, $4 + 0, $5 + 0 }'
}
sleep 1
mapfile -t means < <(cell_means)
one=${means[48]} two=${means[0]} empty=${means[40]}
# The field as the joiner's board shows it: each cell against the three colours; holes stay where
# the field has them.
read_board() {
  cell_means | awk -v f="$field" -v a="$one" -v b="$two" -v e="$empty" '
    function d(s,  t) { split(s, t, " "); return ($1 - t[1]) ^ 2 + ($2 - t[2]) ^ 2 + ($3 - t[3]) ^ 2 }
    { c = substr(f, NR, 1); p = d(a); m = d(b); q = d(e)
      printf "%s", c == "0" ? "0" : (p < m && p < q) ? "+" : (m < q) ? "-" : "X" }
    END { print "" }'
}
stable_board() {
  local a b
  a=$(read_board)
  while sleep 0.3 && b=$(read_board) && [ "$a" != "$b" ]; do a=$b; done
  echo "$a"
}
shown_over() { "$engine" play --rule star "${1}2" | grep -q '^over yes'; }
mine=""
for _ in $(seq 200); do
  # The host tells the end; the joiner's board is then covered by the result panel.
  grep -q '^game 1 ' "$dir/engine.log" && break
  now=$(stable_board)
  # The computer has moved once the board differs from the one after Eva's move.
  if [ "$now" = "$mine" ]; then sleep 0.3; continue; fi
  shown_over "$now" && break
  read -r sx sy tx ty kind <<<"$("$engine" moves --rule star "${now}2" | sed -n 1p)"
  [ -n "$sx" ] || break
  board_area "$joinboard"
  click "$(cell_x "$sx")" "$(cell_y "$sy")"
  click "$(cell_x "$tx")" "$(cell_y "$ty")"
  # A board read while it was drawn may not be the position: then it is read again.
  after=$("$engine" play --rule star "${now}2" "$sx,$sy:$tx,$ty") || continue
  mine=$(awk '$1 == "field" { print $2 }' <<<"$after")
  grep -q '^over yes' <<<"$after" && break
  sleep 0.5
done
wait_until 30 grep -q '^game 1 ' "$dir/engine.log"
wait_until 10 has_records "$dir/eva.sqlite3" "$game_number"
[ "$(stored "$dir/eva.sqlite3" "$game_number" 'Hráč1')" = "PC Beginner" ] &&
  [ "$(stored "$dir/eva.sqlite3" "$game_number" 'Hráč2')" = Eva ] ||
  fail "$(sqlite3 "$dir/eva.sqlite3" 'SELECT * FROM setting_values')"
pass
echo "$checked steps checked"
