#!/usr/bin/env bash
# The real program under Xvfb, driven by the keyboard. Each run sends its
# phrases with Insert, the last a farewell: the program must close by itself
# after its animation, leaving the session's lines in the log.
set -euo pipefail
build="$1" source="$2"
source "$source/scripts/xvfb.sh"
sob_start_xvfb_or_skip

# converse EXPECTED-LOG-LINES -- KEYS...: "type:TEXT" types, anything else is a key.
converse() {
  local expected="$1"
  shift
  local data
  data=$(sob_seed_data_folder "$source")
  (
    cd "$data"
    local before
    before=$("$build/tests/read_lines" Base/Log.Tambrel | grep -c '' || true)
    "$build/src/app/sobesednik" 2>/dev/null &
    local program=$!
    local window
    window=$(sob_wait_for_window "Разработчик")
    sleep 0.5
    xdotool windowfocus --sync "$window"
    for step in "$@"; do
      if [[ "$step" == type:* ]]; then sob_type "${step#type:}"; else xdotool key "$step"; fi
      sleep 0.2
    done
    sob_wait_until_closed "$program" "the farewell"
    # The entry: an empty line, its rule and frame, the count, the session, the end rule.
    local entry session
    entry=$("$build/tests/read_lines" Base/Log.Tambrel | tail -n +$((before + 1)))
    session=$(grep -E '^(USER|CPU):' <<<"$entry" || true)
    echo "$session"
    [ "$(grep -c '' <<<"$entry")" -eq $((7 + $(grep -c '' <<<"$expected"))) ] || { echo "FAIL: the log entry has the wrong length"; exit 1; }
    [ "$(sed -n 2p <<<"$entry")" = "$(printf -- '-%.0s' {1..80})" ] || { echo "FAIL: the entry lacks its rule"; exit 1; }
    [ "$(tail -n 1 <<<"$entry")" = "$(printf -- '=%.0s' {1..53})" ] || { echo "FAIL: the entry lacks its end rule"; exit 1; }
    [ "$(grep -c '' <<<"$session")" -eq "$(grep -c '' <<<"$expected")" ] || { echo "FAIL: wrong number of session lines"; exit 1; }
    while IFS= read -r line; do
      grep -qxF "$line" <<<"$session" || { echo "FAIL: the log lacks «$line»"; exit 1; }
    done < <(grep '^USER' <<<"$expected")
  )
  local status=$?
  rm -rf "$data"
  return $status
}

converse $'USER:     Привет.\nCPU:\nUSER:     Пока.\nCPU:' \
  type:привет Insert type:пока Insert
# Text typed in the Latin layout, repaired with Ctrl+S before it is sent.
converse $'USER:     Привет.\nCPU:\nUSER:     Пока.\nCPU:' \
  type:ghbdtn ctrl+s Insert type:пока Insert
echo "2 passed, 0 failed"
