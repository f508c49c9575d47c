# Shared by the end-to-end tests and the scripts that run the real program:
# a private X display, a data folder seeded from the shipped data, and ways
# to find the program's windows.

# Starts Xvfb on a free display and exports DISPLAY; stops it on exit.
sob_start_xvfb() {
  command -v Xvfb >/dev/null || return 1
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
  SOB_XVFB_PID=$!
  local display
  read -r -t 20 display <"$fifo" || { rm -f "$fifo"; return 1; }
  rm -f "$fifo"
  export DISPLAY=":$display"
  trap 'kill $SOB_XVFB_PID 2>/dev/null' EXIT
}

# For the end-to-end tests: starts Xvfb, or ends the test as skipped on a
# machine that has no Xvfb or xdotool.
sob_start_xvfb_or_skip() {
  if ! command -v xdotool >/dev/null || ! sob_start_xvfb; then
    echo "skipped: no Xvfb or xdotool"
    exit 0
  fi
}

# A temporary data folder holding a copy of the shipped data.
sob_seed_data_folder() {
  local source="$1" folder
  folder=$(mktemp -d)
  cp -r "$source/Base" "$source/Sound" "$source/ReadMe.Txt" "$folder/"
  echo "$folder"
}

# Types a text into the window that has the focus. Text outside ASCII goes
# through the clipboard and Ctrl+V: xdotool types a character the keyboard
# map lacks by binding it to a spare key for that one keystroke, and a
# program that reads the keystroke after the binding has moved on (on a busy
# machine) gets another character or none.
sob_type() {
  local text="$1"
  if LC_ALL=C grep -q '^[ -~]*$' <<<"$text" || ! command -v xclip >/dev/null; then
    xdotool type --delay 40 "$text"
  else
    printf '%s' "$text" | xclip -selection clipboard >/dev/null 2>&1
    xdotool key ctrl+v
  fi
}

# Waits until a window with the given title is mapped; prints its id.
sob_wait_for_window() {
  local title="$1" id
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Opens a menu of a window's menu bar by a click at its offset; then each
# further argument is either a key to press or "@X,Y", a click at that point
# of the window.
sob_menu() {
  local window="$1" offset="$2" X Y WIDTH HEIGHT SCREEN WINDOW
  shift 2
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + offset)) $((Y + 8)) click 1
  sleep 0.4
  for step in "$@"; do
    if [[ "$step" == @* ]]; then
      local point="${step#@}"
      xdotool mousemove $((X + ${point%,*})) $((Y + ${point#*,})) click 1
    else
      xdotool key "$step"
    fi
    sleep 0.4
  done
}

# Takes a picture of one window into a PNG file.
sob_shoot() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$2"
}

# Waits up to ten seconds for the program to close by itself; fails, naming
# what should have closed it, if it does not, or if it ends with an error.
sob_wait_until_closed() {
  local program="$1" cause="$2"
  for _ in $(seq 1 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$program" 2>/dev/null; then
    echo "FAIL: the program did not close after $cause"
    kill "$program"
    return 1
  fi
  wait "$program" || { echo "FAIL: the program ended with an error"; return 1; }
}
