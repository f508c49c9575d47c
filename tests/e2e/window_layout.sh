#!/usr/bin/env bash
# The real program under Xvfb: a phrase typed in the Latin layout is
# repaired with Ctrl+S and sent with Insert; then the farewell is composed
# on the virtual keyboard by mouse and sent with its [Enter] while the main
# window is disabled. The program must close by itself, and the log must
# hold both phrases as the user meant them.
set -euo pipefail
build="$1" source="$2"
source "$source/scripts/xvfb.sh"
sob_start_xvfb_or_skip

data=$(sob_seed_data_folder "$source")
trap 'kill $SOB_XVFB_PID 2>/dev/null; rm -rf "$data"' EXIT
cd "$data"
"$build/src/app/sobesednik" 2>/dev/null &
program=$!
main=$(sob_wait_for_window "Разработчик")
sleep 0.5
xdotool windowfocus --sync "$main"
xdotool type --delay 40 ghbdtn
sleep 0.2
xdotool key ctrl+s
sleep 0.2
xdotool key Insert
sleep 0.3

sob_menu "$main" 30 Cyrillic_ve   # Система -> Вызвать виртуальную клавиатуру
keyboard=$(sob_wait_for_window "Виртуальная клавиатура")
eval "$(xdotool getwindowgeometry --shell "$keyboard")"
# The keys' places in the keyboard's design: its 145 pixels high client
# area sits below the menu bar; letter keys are 17 pixels apart in the
# group box "Буквы:", "[Enter]" is at the right edge.
client=$((Y + HEIGHT - 145))
letter() { xdotool mousemove $((X + 16 + $1 * 17)) $((client + 86)) click 1; sleep 0.2; }
letter 16   # П
letter 15   # О
letter 11   # К
letter 0    # А
sleep 0.2
xdotool mousemove $((X + 330)) $((client + 89)) click 1   # [Enter]

sob_wait_until_closed "$program" "the farewell sent from the keyboard"
session=$("$build/tests/read_lines" Base/Log.Tambrel | grep -E '^USER:' || true)
echo "$session"
expected=$'USER:     Привет.\nUSER:     Пока.'
[ "$session" = "$expected" ] || { echo "FAIL: the log should hold «Привет.» and «Пока.»"; exit 1; }
echo "1 passed, 0 failed"
