#!/usr/bin/env bash
# Kills the engine tool with SIGKILL at random moments while it records computer games, then checks
# the store as the next start finds it: the file passes SQLite's integrity check, every record
# stored before is still there and reads the same, and opening it says nothing and sets nothing
# aside. Usage: kill_while_recording.sh ENGINE [KILLS]; TALLOWEN_FAULT_SEED varies the moments.
set -euo pipefail
engine=$1
kills=${2:-40}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
store=$dir/settings.sqlite3
lines() { printf '%s' "$1" | grep -c . || true; }

RANDOM=${TALLOWEN_FAULT_SEED:-1}
survived=0
lost=0
during=0
after=""
for kill in $(seq "$kills"); do
  before=$after
  "$engine" selfplay --rule star --p1 1 --p2 1 --field "Quick atack" --games 100000 --seed "$kill" \
    --record --store "$store" >/dev/null 2>"$dir/selfplay.err" &
  pid=$!
  # Up to half a second: from before the store is opened to well into the recording.
  sleep "$(printf '0.%03d' $((RANDOM % 500)))"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true

  problems=()
  [ -s "$dir/selfplay.err" ] && problems+=("the recording said: $(cat "$dir/selfplay.err")")
  check=$(sqlite3 "$store" 'PRAGMA integrity_check' 2>&1 || true)
  [ "$check" = ok ] || problems+=("integrity check: $check")
  after=$("$engine" records --store "$store" 2>"$dir/records.err" || true)
  [ -s "$dir/records.err" ] && problems+=("the next start said: $(cat "$dir/records.err")")
  # A journal may stay behind when the kill came before it held anything to roll back.
  aside=$(ls "$dir" | grep -v -e '^settings\.sqlite3$' -e '^settings\.sqlite3-journal$' -e '\.err$' || true)
  [ -z "$aside" ] || problems+=("files set aside: $aside")
  # Records are numbered from the smallest free number and never deleted here: the earlier ones
  # come first, unchanged.
  gone=$(awk 'NR == FNR { kept[FNR] = $0; next } $0 != "" && kept[FNR] != $0' \
             <(printf '%s\n' "$after") <(printf '%s\n' "$before") | grep -c . || true)
  [ "$gone" -eq 0 ] || { lost=$((lost + gone)); problems+=("$gone records lost"); }
  [ "$(lines "$after")" -gt "$(lines "$before")" ] && during=$((during + 1))

  if [ ${#problems[@]} -eq 0 ]; then
    survived=$((survived + 1))
  else
    echo "kill $kill: ${problems[*]}"
  fi
done
echo "kills $kills, survived $survived, records lost $lost; $during kills came while games were being" \
     "recorded; $(lines "$after") records kept"
[ "$survived" -eq "$kills" ] && [ "$lost" -eq 0 ]
