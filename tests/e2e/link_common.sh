#!/usr/bin/env bash
# Helpers of the link's process tests: a socat pair of pseudo terminals and a virtual terminal
# behind one end. Source it after setting `tool` and `work`.

# shellcheck source=checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
pids=()

stop_all() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  pids=()
}

# make_pair DIR: two linked pseudo terminals, DIR/host and DIR/term.
make_pair() {
  local dir=$1 i
  socat pty,raw,echo=0,link="$dir/host" pty,raw,echo=0,link="$dir/term" 2>"$dir/socat.log" &
  pids+=($!)
  for i in $(seq 50); do
    [ -e "$dir/host" ] && [ -e "$dir/term" ] && return 0
    sleep 0.1
  done
  echo "socat made no pseudo terminals: $(cat "$dir/socat.log")" >&2
  return 1
}

# start_terminal DIR OPTIONS...: the virtual terminal on DIR/term storing into DIR/store.
start_terminal() {
  local dir=$1
  shift
  mkdir -p "$dir/store"
  local before
  before=$(grep -c "serving on" "$dir/terminal.log" 2>/dev/null)
  "$tool" terminal --port "$dir/term" --store "$dir/store" "$@" 2>>"$dir/terminal.log" &
  pids+=($!)
  terminal_pid=$!
  # It is ready once it has said so (a terminal started before it in the folder said so too).
  local i
  for i in $(seq 50); do
    [ "$(grep -c "serving on" "$dir/terminal.log" 2>/dev/null)" -gt "${before:-0}" ] && return 0
    sleep 0.05
  done
  echo "the terminal did not start: $(cat "$dir/terminal.log")" >&2
  return 1
}

# restart_terminal DIR OPTIONS...: the terminal of DIR stopped and started again with OPTIONS.
restart_terminal() {
  kill "$terminal_pid" 2>/dev/null
  wait "$terminal_pid" 2>/dev/null
  start_terminal "$@"
}

# The lines of a file with CR LF line ends, as the terminal and receive write them.
crlf() {
  sed 's/$/\r/' "$1"
}
