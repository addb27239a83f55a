#!/usr/bin/env bash
# Plays the real program in a virtual X server as a person would, with nothing but xdotool's mouse
# clicks and key presses, and checks what a person would see (screenshots, read with OCR where it
# is text) against what the store holds (read with SQLite's own shell). On an empty store: two
# computer players on "Quick atack" play a game to its end, "New game" leads back to the setup
# window, whose results show that game; then two people make three moves by clicking board
# cells, "Z" takes back the last two and the exit confirmation ends the program with status 0.
# Usage: play_on_a_desktop.sh TALLOWEN. A failed step leaves e2e-failed.png in the current folder.
set -eEuo pipefail
readonly screen=1280x1024
if [ -z "${TALLOWEN_E2E_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp -noreset" env TALLOWEN_E2E_DISPLAY=1 "$0" "$@"
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
game=$1
dir=$(mktemp -d)
store=$dir/settings.sqlite3
app=0
trap '[ "$app" -eq 0 ] || kill "$app" 2>/dev/null; rm -rf "$dir"' EXIT
checked=0
step=start

fail() {
  echo "FAILED at step \"$step\": $*" >&2
  import -window root e2e-failed.png 2>/dev/null || true
  exit 1
}
trap 'fail "line $LINENO: $BASH_COMMAND"' ERR
# shellcheck source=x11_steps.sh
source "$(dirname "$0")/x11_steps.sh"
# Output is read whole before it is cut: a reader that stops early would break the writer's pipe,
# and under pipefail that fails the step.
visible() { local ids; ids=$(xdotool search --onlyvisible --name "$1" 2>/dev/null) || true; sed -n 1p <<<"$ids"; }
shown() { [ -n "$(visible "$1")" ]; }
# The id of the visible window named $1, waiting at most $2 seconds. A search that meets a window
# being destroyed ends early with nothing, so one empty answer is not taken for an answer.
window_named() {
  local limit=$(($(date +%s) + $2)) id
  until id=$(visible "$1") && [ -n "$id" ]; do
    [ "$(date +%s)" -lt "$limit" ] || fail "no window $1"
    sleep 0.1
  done
  echo "$id"
}
gone() { [ -z "$(visible "$1")" ]; }
# Windows by id: the game window's title follows its field and, while the computer thinks, its
# progress.
mapped() { local info; info=$(xwininfo -id "$1" 2>/dev/null) || return 1; grep -q IsViewable <<<"$info"; }
unmapped() { ! mapped "$1"; }
# Menus are windows of their own: the one opened last is the window not in $before.
popups() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
opened() {
  local w
  for w in $(comm -13 <(printf '%s\n' "$before") <(popups)); do
    [[ $(xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null) == *TOOLTIP* ]] || echo "$w"
  done | tail -1
}
menu_opened() { [ -n "$(opened)" ]; }
click_first_item() {
  wait_until 5 menu_opened
  local menu
  menu=$(opened)
  before=$(popups)
  xdotool mousemove --window "$menu" 30 10 click 1
  sleep 0.3
}
records() { sqlite3 "$store" "SELECT COUNT(DISTINCT path) FROM setting_values WHERE path LIKE '%\\Hry\\%'" 2>/dev/null || echo 0; }
stored() { sqlite3 "$store" "SELECT value FROM setting_values WHERE path LIKE '%\\Hry\\00001' AND name = '$1'"; }
has_records() { [ "$(records)" -ge "$1" ]; }

# The setup window has a fixed size; its controls are found from its edges by the layout in
# form1.cpp and player_panel_view.cpp: 11-pixel margins, the 64-pixel band, the two player panels
# side by side with the PC and Human choices in their first row, and the fields row at the bottom
# with "START" over " Game  results" in the right-hand column.
setup_pc() { measure "$setup"; click $((X + 30)) $((Y + 119)); click $((X + W / 2 + 23)) $((Y + 119)); }
setup_human() {
  measure "$setup"
  local panel=$(((W - 29) / 2))
  click $((X + 11 + panel / 2 + 15)) $((Y + 119)); click $((X + W / 2 + 4 + panel / 2 + 15)) $((Y + 119))
}
setup_field_quick_atack() { measure "$setup"; click $((X + W / 2)) $((Y + H - 140)); xdotool key Home Down Down; }
setup_start() { measure "$setup"; click $((X + W - 60)) $((Y + H - 122)); }
setup_results() { measure "$setup"; click $((X + W - 60)) $((Y + H - 37)); }

# The title bar's buttons by their distance from its right end (window_layout.cpp): 24 exit, 177 restart.
title_button() { measure "$board"; click $((X + W + 9 - $1)) $((Y + 15)); }
click_cell() { click "$(cell_x "$1")" "$(cell_y "$2")"; }
# Clicks on the board count again once the turn change (200 ms after a move) is over.
move() { click_cell "$1" "$2"; click_cell "$3" "$4"; wait_until 5 looks_like "$3" "$4" "$5"; sleep 0.4; }
far_apart() { ! looks_like "$1" "$2" "$3"; }
# The result panel, 320 by 160 pixels in the middle of the board, names the winner or says "TIE!"
# in its lowest third.
result_text() {
  import -window root png:- |
    convert - -crop "320x50+$((X + BL + (BW - 320) / 2))+$((Y + 86 + (BH - 160) / 2 + 105))" +repage -scale 200% png:- |
    tesseract - - --psm 7 2>/dev/null
}
tied() { result_text | grep -q 'TIE!'; }
ended() { has_records 1 || tied; }

step="the program starts on an empty store and shows the setup window after the splash"
"$game" --store "$store" >"$dir/out.log" 2>&1 &
app=$!
setup=$(window_named '^Tallowen$' 20)
pass
# A first start greets the player once; the greeting's OK button has the focus.
if within 5 shown 'Aldar Brenholt'; then
  measure "$(window_named 'Aldar Brenholt' 5)"
  xdotool mousemove $((X + W / 2)) $((Y + H / 2)) key Return
  wait_until 5 gone 'Aldar Brenholt'
fi

step="two computer players on \"Quick atack\": START shows the game window and hides the setup"
setup_pc
setup_field_quick_atack
setup_start
wait_until 5 unmapped "$setup"
board=$(window_named '^Tallowen - Quick atack$' 10)
pass

step="the computer game ends and its record is stored (a tie is not: then \"Restart game\")"
board_area "$board"
for game_number in 1 2 3; do
  wait_until 150 ended
  has_records 1 && break
  [ "$game_number" -lt 3 ] || fail "three ties"
  before=$(popups)
  title_button 177
  click_first_item
  sleep 1
done
[ "$(stored '')" = "Quick atack" ] && [ "$(stored 'Hráč1')" = "PC Professional" ] &&
  [ "$(stored 'Hráč2')" = "PC Professional" ] || fail "the record: $(sqlite3 "$store" 'SELECT * FROM setting_values')"
pass

step="\"New game\" from the game window's menu (right button) and its confirmation"
board_area "$board"
before=$(popups)
click "$(cell_x 3)" "$(cell_y 3)" 3
wait_until 5 menu_opened
before=$(popups)
xdotool key n  # "&Nová hra" opens "Opravdu?"
click_first_item
click_first_item  # "New game"
wait_until 5 unmapped "$board"
wait_until 5 mapped "$setup"
pass

step="\" Game  results\" shows the stored game"
setup_results
measure "$(window_named '^Results$' 5)"
pass
lines=("Field Quick atack" "Player 1 PC Professional($(stored 'Hráč1Počet'))"
       "Player 2 PC Professional($(stored 'Hráč2Počet'))" "Turns $(stored 'PočetTahů')" "Winner PC Professional")
# Read again, at another magnification, while the window may still be drawing or a digit was
# misread.
zoom=(200 150 125 180 140)
read_results() {
  zoom=("${zoom[@]:1}" "${zoom[0]}")
  import -window root png:- |
    convert - -crop "${W}x${H}+${X}+${Y}" +repage -resize "${zoom[0]}%" -colorspace Gray "$dir/results.png"
  text=$(tesseract "$dir/results.png" - 2>/dev/null)
  for line in "${lines[@]}"; do grep -qF "$line" <<<"$text" || return 1; done
}
within 10 read_results || cp "$dir/results.png" e2e-results.png
for line in "${lines[@]}"; do
  step="the results window reads \"$line\" as the store holds it"
  grep -qF "$line" <<<"$text" || fail "read: $text"
  pass
done
step="the results window closes with Escape"
xdotool mousemove $((X + W / 2)) $((Y + H / 2)) key Escape
wait_until 5 gone '^Results$'
pass

step="two people on \"Quick atack\": START shows the board with the pieces where the field has them"
setup_human
setup_start
wait_until 10 mapped "$board"
board_area "$board"
xdotool mousemove "$X" "$Y"  # away from the board
sleep 0.3
one=$(cell_colour 6 6) two=$(cell_colour 0 0) empty=$(cell_colour 5 5)
far_apart 6 6 "$two" && far_apart 6 6 "$empty" && far_apart 0 0 "$empty" && looks_like 1 1 "$empty" ||
  fail "player 1 $one, player 2 $two, empty $empty"
pass

step="player 1 jumps from (2,3) to (4,1) and takes the three pieces beside it"
move 2 3 4 1 "$one"
looks_like 2 3 "$empty" && looks_like 3 2 "$one" && looks_like 4 2 "$one" && looks_like 5 2 "$one" || fail "the board"
pass

step="player 2 grows from (0,0) to (1,1)"
move 0 0 1 1 "$two"
looks_like 0 0 "$two" || fail "the board"
pass

step="player 1 grows from (6,6) to (5,5)"
move 6 6 5 5 "$one"
pass

step="\"Z\" takes back two moves: player 2 moves again from before his last move"
xdotool mousemove "$(cell_x 3)" "$(cell_y 3)" key z
wait_until 5 looks_like 5 5 "$empty"
looks_like 1 1 "$empty" && looks_like 6 6 "$one" && looks_like 0 0 "$two" && looks_like 4 2 "$one" ||
  fail "the board"
sleep 0.4
move 0 0 1 0 "$two"
[ "$(records)" -eq 1 ] || fail "an unfinished game was recorded"
pass

step="the exit confirmation (title bar: \"Really exit?\" > \"Really exit!\") ends the program with 0"
before=$(popups)
title_button 24
click_first_item
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "still running"
wait "$app" || status=$?
app=0
[ "$status" -eq 0 ] || fail "exit status $status; $(cat "$dir/out.log")"
pass
echo "$checked steps checked"
