#!/usr/bin/env bash
# The far end of a test serial line, on stdin and stdout: answers each line L ended by a carriage
# return with "R:" L and a carriage return, and acts as an IR cradle in control mode: echoes the
# probe byte 0x0F and takes the three-byte speed command 0x07, rate, 0x51 without answering.
line=
while IFS= read -r -N 1 c; do
  case "$c" in
    $'\x0f') printf '\x0f' ;;
    $'\x07') IFS= read -r -N 1 c && IFS= read -r -N 1 c ;;
    $'\r')
      printf 'R:%s\r' "$line"
      line=
      ;;
    *) line+=$c ;;
  esac
done
