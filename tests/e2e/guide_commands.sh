#!/usr/bin/env bash
# The user guide (docs/guide.md) keeps pace with the program: every command of tpq700 has an
# example, every picture it shows exists, and every command line of its shell examples (```sh
# blocks) runs as written, in order, in one shell: in a scratch folder holding a copy of
# samples/, with tpq700 on the search path and the user's preferences out of reach. A line
# ending in '&' starts in the background and is waited for (socat's links, the virtual
# terminal's "serving on"). Fails on the first command that exits with a status other than 0.
# Usage: guide_commands.sh PATH/TO/tpq700
set -u
tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
guide=$root/docs/guide.md
if ! command -v socat >/dev/null; then
  echo "socat is not installed: skipped" >&2
  exit 77
fi
work=$(mktemp -d)
cleanup() {
  local pid
  for pid in $(jobs -p); do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/bin" "$work/run"
ln -s "$tool" "$work/bin/tpq700"
cp -R "$root/samples" "$work/run/samples"
export PATH="$work/bin:$PATH" APPDATA="$work/appdata"
cd "$work/run" || exit 1

# The commands: the lines of ```sh blocks without blank and comment lines, a line ending in a
# backslash joined to the next.
mapfile -t commands < <(awk '
  /^```/ { if (inside) { inside = 0 } else if ($0 == "```sh") { inside = 1 }; next }
  !inside || /^[ \t]*(#|$)/ { next }
  { line = pending $0 }
  /\\$/ { sub(/\\$/, "", line); pending = line; next }
  { print line; pending = "" }' "$guide")
if [ "${#commands[@]}" -lt 20 ]; then
  echo "FAIL: only ${#commands[@]} command lines found in $guide" >&2
  exit 1
fi

# Every command of the tool has an example.
for name in $("$tool" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF { print $1 }'); do
  printf '%s\n' "${commands[@]}" | grep -q "^tpq700 $name\b" ||
    { echo "FAIL: the guide has no example of 'tpq700 $name'" >&2; exit 1; }
done

# Every picture the guide shows is there.
for picture in $(grep -o '](\([^)]*\.png\))' "$guide" | sed 's/^](//; s/)$//'); do
  if [ ! -f "$root/docs/$picture" ]; then
    echo "FAIL: the guide shows docs/$picture, which does not exist" >&2
    exit 1
  fi
done

# Waits until what a background command makes is there: socat's links, the terminal's greeting.
wait_ready() {
  local command=$1 i link
  local links
  links=$(grep -o 'link=[^ ,]*' <<<"$command" | cut -d= -f2)
  for i in $(seq 100); do
    local ready=1
    for link in $links; do [ -e "$link" ] || ready=0; done
    if [[ $command == *"tpq700 terminal"* ]]; then
      [ "$(grep -c 'serving on' "$work/background.log" 2>/dev/null)" -ge "$terminals" ] || ready=0
    fi
    [ "$ready" -eq 1 ] && return 0
    sleep 0.05
  done
  echo "FAIL: not ready after 5 seconds: $command ($(cat "$work/background.log"))" >&2
  return 1
}

terminals=0
ran=0
for command in "${commands[@]}"; do
  if [[ $command =~ \&[[:space:]]*$ ]]; then
    [[ $command == *"tpq700 terminal"* ]] && terminals=$((terminals + 1))
    eval "$command" 2>>"$work/background.log" </dev/null
    wait_ready "$command" || exit 1
  else
    eval "$command" >"$work/out.txt" 2>"$work/err.txt" </dev/null
    status=$?
    if [ "$status" -ne 0 ]; then
      echo "FAIL: exit status $status: $command" >&2
      sed 's/^/  /' "$work/err.txt" >&2
      exit 1
    fi
  fi
  ran=$((ran + 1))
done
echo "guide: all $ran command lines ran"
