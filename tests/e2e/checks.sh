#!/usr/bin/env bash
# What the process tests share: counting failed checks, comparing what a command prints with a
# file, and the verdict at the end. Source it; expect_output works in the current folder.

failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

expect_output() {  # WHAT EXPECTED-FILE COMMAND...
  local what=$1 expected=$2
  shift 2
  "$@" >out.txt 2>err.txt
  local status=$?
  [ "$status" -eq 0 ] || fail "$what: exit status $status ($(cat err.txt))"
  diff -u "$expected" out.txt >diff.txt || fail "$what: output differs:
$(cat diff.txt)"
}

# finish WHAT: exits 1 when a check failed, else says that every check of WHAT passed.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "$1: all checks passed"
}
