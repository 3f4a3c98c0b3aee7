#!/usr/bin/env bash
# Makes the man page tpq700.1 from the tool's own --help and each command's --help (help2man),
# so the page says what the tool says. Usage: make_manpage.sh TPQ700 OUT.1
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: make_manpage.sh TPQ700 OUT.1" >&2
  exit 2
fi
tool=$1
out=$2
command -v help2man >/dev/null || {
  echo "make_manpage.sh: help2man not found (Debian package help2man)" >&2
  exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The commands are the words of the "Subcommands:" list of the tool's help.
commands=$("$tool" --help | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }')
[ -n "$commands" ] || { echo "make_manpage.sh: no commands in '$tool --help'" >&2; exit 1; }

# Each command's help, as written, in a section of its own. Roff takes a backslash as an escape
# and a dot or quote at the start of a line as a request, so those are escaped.
roff() { sed -e 's/\\/\\e/g' -e "s/^\([.']\)/\\\\\&\1/"; }
{
  echo '[COMMANDS]'
  echo 'Each command takes \fB\-\-help\fR for the text below.'
  for c in $commands; do
    echo ".SS \"tpq700 $c\""
    echo '.nf'
    # The first line repeats the command's summary, which the list above already gives.
    "$tool" "$c" --help | tail -n +2 | roff
    echo '.fi'
  done
  cat <<'EOF'
[FILES]
.TP
.I $XDG_CONFIG_HOME/MIRDANTO/TPQ700.ini
The preferences (connection types, serial port, speed, language, recent files); with
\fBAPPDATA\fR set, \fI$APPDATA/MIRDANTO/TPQ700.ini\fR. \fBtpq700 prefs\fR shows and changes them.
.TP
.I /usr/share/doc/tpq700/guide.md
The user guide, with the sample designs in \fI/usr/share/doc/tpq700/samples\fR.
[EXIT STATUS]
0 on success, 1 when a command failed, 2 for a wrong command line.
EOF
} >"$work/include"

help2man --no-info --section 1 --name "Q700 application generator: designs, download images and the terminal link" \
  --include "$work/include" --output "$work/page" "$tool"
mv "$work/page" "$out"
