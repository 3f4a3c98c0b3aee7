#!/usr/bin/env bash
# The bash completion of tpq700 against the tool's own help: every command and every option of
# every command completes, none that the help lacks, and the values of options complete as what
# they are (choices, folders, files, port names, nothing for numbers).
# Usage: bash_completion.sh TPQ700 COMPLETION-FILE
set -u
tool=$1
completion=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_dir/tests/e2e/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$completion" || { fail "$completion does not load"; finish "bash completion"; }

# complete_line WORD... : what the completion offers for the last word, sorted, on one line
# (bash adds the slash of a folder itself). The first word is the tool: a stand-in for the port
# list where a case needs one.
complete_line() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _tpq700 2>/dev/null
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

# The commands and the options of each, read from the help the way a user reads it.
commands=$("$tool" --help | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }')
[ "$(wc -w <<<"$commands")" -ge 15 ] || fail "only $(wc -w <<<"$commands") commands in the help"
offered=$(complete_line tpq700 "")
for c in $commands; do
  grep -qw -- "$c" <<<"$offered" || fail "command $c is not offered"
done
for o in --help --version; do
  grep -qw -- "$o" <<<"$offered" || fail "option $o of the tool is not offered"
done
for c in $commands; do
  help_options=$("$tool" "$c" --help |
    sed -n '/^Options:/,/^[A-Z]/p' | grep -oE '^  (-[a-zA-Z],)?--[a-z0-9-]+' |
    tr ',' '\n' | tr -d ' ' | sort | tr '\n' ' ' | sed 's/ $//')
  got=$(complete_line tpq700 "$c" -)
  [ "$got" = "$help_options" ] || fail "options of $c: help '$help_options', completion '$got'"
done

# Values, and words in context.
mkdir -p "$work/designs/old"
touch "$work/designs/STOCK.TPX" "$work/designs/records.txt"
cat >"$work/tpq700" <<'EOF'
#!/bin/sh
# The port list of a machine with two ports, the second the preferences' one.
[ "$1" = ports ] && printf '   0  COM1 - Serial port   serial  /dev/ttyS0\n*  1  COM7 - Virtual  virtual /dev/pts/3\n'
EOF
chmod +x "$work/tpq700"
cd "$work"
while IFS='|' read -r what expected words; do
  read -ra argv <<<"$words"
  # A trailing blank in the case means the word being completed is empty.
  [[ $words == *" " ]] && argv+=("")
  got=$(complete_line "${argv[@]}")
  [ "$got" = "$expected" ] || fail "$what: '$words' offered '$got', expected '$expected'"
done <<EOF
commands by their start|detect download|tpq700 d
the tool's version option|--version|tpq700 --v
connection types|cradle-ir irda serial-spp|tpq700 download --via 
connection type after =|cradle-ir irda serial-spp|tpq700 send-lookup --via = 
connection type begun after =|irda|tpq700 receive --via = i
receive connection type of prefs|serial-spp|tpq700 prefs --receive-via s
speeds by their start|115200 19200|tpq700 receive --baud 1
an option of another command is not offered||tpq700 new --v
no value offered for a number||tpq700 download --retries 
no value offered for a seed||tpq700 terminal --seed 
only folders for received files|designs/old|tpq700 terminal --store designs/
files for a design|designs/STOCK.TPX designs/old designs/records.txt|tpq700 show designs/
files for the records|designs/STOCK.TPX designs/old designs/records.txt|tpq700 terminal --records designs/
names from the port list|COM1 COM7|$work/tpq700 download --port 
a port named by its start|COM7|$work/tpq700 detect --port COM7
a device path|designs/STOCK.TPX designs/old designs/records.txt|$work/tpq700 prefs --port designs/
a design after an option's value|designs/STOCK.TPX designs/old designs/records.txt|tpq700 download --via irda designs/
EOF
finish "bash completion"
