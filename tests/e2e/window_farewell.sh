#!/usr/bin/env bash
# The real program under Xvfb: two phrases typed and sent with Insert, the
# second a farewell; the program must close by itself after its animation,
# leaving the session in the log.
set -euo pipefail
build="$1" source="$2"
source "$source/scripts/xvfb.sh"
if ! command -v xdotool >/dev/null || ! sob_start_xvfb; then
  echo "skipped: no Xvfb or xdotool"
  exit 0
fi
data=$(sob_seed_data_folder "$source")
trap 'kill $SOB_XVFB_PID 2>/dev/null; rm -rf "$data"' EXIT
cd "$data"
"$build/src/app/sobesednik" 2>/dev/null &
program=$!
window=$(sob_wait_for_window "Разработчик")
sleep 0.5
xdotool windowfocus --sync "$window"
xdotool type --delay 20 "привет"
xdotool key Insert
sleep 0.3
xdotool type --delay 20 "пока"
xdotool key Insert

for _ in $(seq 1 100); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
  echo "FAIL: the program did not close after the farewell"
  kill "$program"
  exit 1
fi
wait "$program" || { echo "FAIL: the program ended with an error"; exit 1; }

log=$("$build/tests/read_lines" "Base/Log.Tambrel")
echo "$log"
for line in "USER:     Привет." "USER:     Пока."; do
  grep -qxF "$line" <<<"$log" || { echo "FAIL: the log lacks «$line»"; exit 1; }
done
[ "$(grep -c '^CPU:     ' <<<"$log")" -eq 2 ] || { echo "FAIL: the log lacks the replies"; exit 1; }
echo "1 passed, 0 failed"
