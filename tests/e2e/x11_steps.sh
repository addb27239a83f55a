# What the X11 end-to-end tests share: numbered steps, waiting for a condition, clicking and
# measuring windows, and reading the game window's board from the screen. Sourced; the test defines
# fail() and the variables checked and step.

pass() { checked=$((checked + 1)); echo "ok $checked: $step"; }
# Tries the condition ten times a second for at most $1 seconds.
within() {
  local limit=$(($(date +%s) + $1)); shift
  until "$@"; do
    [ "$(date +%s)" -lt "$limit" ] || return 1
    sleep 0.1
  done
}
wait_until() { within "$@" || fail "still not: ${*:2}"; }
# Sets X Y W H to the geometry of window $1.
measure() {
  [ -n "$1" ] || fail "no window to measure"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  X=$X Y=$Y W=$WIDTH H=$HEIGHT
}
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.15; }

# The board of game window $1 from its height, as window_layout.cpp lays it out: the board area
# takes the height the fixed parts leave (129 pixels), at 4:3, right of the side panel, 86 pixels
# down. Quick atack has 7 x 7 cells.
board_area() {
  measure "$1"
  BH=$((H - 129)) BW=$(((H - 129) * 4 / 3))
  BL=$((15 + (H - 129 + 85) * 144 / 637))
}
cell_x() { echo $((X + BL + (2 * $1 + 1) * BW / 14)); }
cell_y() { echo $((Y + 86 + (2 * $1 + 1) * BH / 14)); }
# The mean colour of a cell's middle, where its figure is drawn.
cell_colour() {
  import -window root png:- |
    convert - -crop "$((BW / 28))x$((BH / 28))+$(($(cell_x "$1") - BW / 56))+$(($(cell_y "$2") - BH / 56))" -scale '1x1!' \
      -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
# True when cell $1,$2 looks like the sample colour $3 (within a small distance).
looks_like() {
  local a b
  read -r -a a <<<"$(cell_colour "$1" "$2")"
  read -r -a b <<<"$3"
  [ $(((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2 + (a[2] - b[2]) ** 2)) -lt 300 ]
}
