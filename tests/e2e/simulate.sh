#!/usr/bin/env bash
# Runs tpq700 simulate as a process on designs made with tpq700 new and set, and compares what it
# prints with the terminal's texts. Usage: simulate.sh PATH/TO/tpq700
set -u
# shellcheck source=checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

"$tool" new a.TPX || fail "new"
"$tool" set a.TPX form.1.line.1.type=text form.1.line.1.prompt=Item: \
  "form.1.record_action=pass down" \
  "form.1.stamp.position=appended to the bottom of a record" settings.delimiter1=44 \
  "form.1.next=form 2" "form.2.line.1.type=pass down" form.2.line.1.prompt=P: \
  form.2.line.2.type=extension form.2.line.3.type=integer form.2.line.3.prompt=Qty: ||
  fail "set"

# The main screen as the program starts, then a Collect that runs form 1, types ABC by multi-tap
# and passes the record down to form 2.
cat >start.txt <<'TXT'
|1.Collect   |
|2.Upload    |
|3.Utilities |
|            |
|                |
|                |
|                |
|                |
state=main
selected=1
cursor=0,0
alpha=off
counter=0
clock=MAR05 09:07 0000
passdown=
TXT
expect_output "start" start.txt "$tool" simulate a.TPX --keys "" --now 2026-03-05T09:07:30

cat >passdown.txt <<'TXT'
|P:ABC,2026/03/05,09:|
|07:30|
|Qty:|
||
||
||
||
||
state=form
selected=0
cursor=4,2
alpha=off
counter=1
clock=MAR05 09:07 0001
passdown=ABC,2026/03/05,09:07:30
TXT
expect_output "pass down" passdown.txt "$tool" simulate a.TPX \
  --keys "ENTER ALPHA 2 tick:7 2 2 tick:7 2 2 2 ALPHA 19" --now 2026-03-05T09:07:30 \
  --save b.TPX
[ "$("$tool" get b.TPX form.2.line_count form.2.current_line | tr '\n' ' ')" = "3 2 " ] ||
  fail "saved runtime bytes: $("$tool" get b.TPX form.2.line_count form.2.current_line)"

# A letter in the integer field: the entry-error screen over the form.
cat >error.txt <<'TXT'
|P:ABC,2026/03/05,09:|
|07:30|
|Qty:|
||
|****************|
|Wrong data type!|
|Press any key...|
|****************|
state=error
selected=0
cursor=4,2
alpha=off
counter=1
clock=MAR05 09:07 0001
passdown=ABC,2026/03/05,09:07:30
TXT
expect_output "wrong data type" error.txt "$tool" simulate a.TPX \
  --keys "1 ALPHA 2 tick:7 2 2 tick:7 2 2 2 ALPHA ENTER ALPHA 3 tick:7" \
  --now 2026-03-05T09:07:30

# Nothing to run: the message comes first.
"$tool" new empty.TPX || fail "new empty"
"$tool" simulate empty.TPX --keys "1" --now 2026-03-05T09:07:30 >out.txt 2>err.txt ||
  fail "empty design: exit status $?"
[ "$(head -n 1 out.txt)" = "message=Please define your program!" ] ||
  fail "empty design: first line is '$(head -n 1 out.txt)'"

# Usage errors exit with 2, a missing file with 1.
"$tool" simulate a.TPX --keys "ENTER 99" >/dev/null 2>err.txt
[ $? -eq 2 ] || fail "bad key: exit status not 2"
grep -q "99" err.txt || fail "bad key: stderr does not name it"
"$tool" simulate missing.TPX --keys "1" >/dev/null 2>&1
[ $? -eq 1 ] || fail "missing file: exit status not 1"

finish "simulate"
