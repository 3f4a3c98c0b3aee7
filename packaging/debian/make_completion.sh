#!/usr/bin/env bash
# Makes the bash completion of tpq700 from the tool's own --help and each command's --help, so a
# new command or option completes without anyone editing a list.
# Usage: make_completion.sh TPQ700 OUT
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: make_completion.sh TPQ700 OUT" >&2
  exit 2
fi
tool=$1
out=$2

top_help=$("$tool" --help)
commands=$(awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }' <<<"$top_help")
[ -n "$commands" ] || { echo "make_completion.sh: no commands in '$tool --help'" >&2; exit 1; }

# The options of one help text, one per line: NAMES KIND [CHOICES], where NAMES is "-f,--force",
# KIND is "flag", "choice", "folder", "port", "file" or "value" (a number or a free text).
options_of() {
  awk '
    /^[A-Z][A-Za-z]*:$/ { on = ($0 == "Options:"); next }
    !on || !/^  -/ { next }
    {
      names = $1; type = $2; rest = $0
      sub(/^ *[^ ]+ */, "", rest)
      kind = "flag"; choices = ""
      if (type ~ /^[A-Z]+/ && type !~ /^[A-Z][a-z]/) {
        kind = "value"
        if (match(type, /\{[^}]*\}/)) {
          kind = "choice"; choices = substr(type, RSTART + 1, RLENGTH - 2); gsub(/,/, " ", choices)
        } else if (names ~ /--port$/) {
          kind = "port"
        } else if (type ~ /^TEXT( |$)/ && rest ~ /(Folder|folder for)/) {
          kind = "folder"
        } else if (type ~ /^TEXT( |$)/ && rest ~ /(file|File|design)/) {
          kind = "file"
        }
      }
      print names, kind, choices
    }'
}

{
  cat <<'EOF'
# bash completion for tpq700, made from its --help by make_completion.sh: do not edit.
_tpq700_ports() {
  # The names of 'tpq700 ports': the word after each line's index.
  "${COMP_WORDS[0]}" ports 2>/dev/null |
    awk '{ for (i = 1; i < NF; i++) if ($i ~ /^[0-9]+$/) { print $(i + 1); break } }'
}

_tpq700() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local cword=$COMP_CWORD
  # "--via=irda" arrives as three words: the option, "=" and its value.
  if [[ $cur == = ]]; then
    cur=
  elif [[ $prev == = ]] && ((cword >= 2)); then
    prev=${COMP_WORDS[cword - 2]}
  fi
  local command= i
  for ((i = 1; i < cword; i++)); do
    case ${COMP_WORDS[i]} in
      -*) ;;
      *) command=${COMP_WORDS[i]}; break ;;
    esac
  done
  COMPREPLY=()
EOF
  top_options=$(options_of <<<"$top_help" | awk '{ gsub(/,/, " ", $1); printf "%s ", $1 }')
  echo "  if [[ -z \$command ]]; then"
  echo "    COMPREPLY=(\$(compgen -W \"$(echo $commands) ${top_options% }\" -- \"\$cur\"))"
  echo "    return"
  echo "  fi"
  echo '  local options= kind='
  echo '  case $command in'
  for c in $commands; do
    help=$("$tool" "$c" --help)
    all=$(options_of <<<"$help")
    names=$(awk '{ gsub(/,/, " ", $1); printf "%s ", $1 }' <<<"$all")
    echo "    $c)"
    echo "      options=\"${names% }\""
    # The kind of value the previous word asks for.
    cases=$(while read -r option_names kind choices; do
      [ "$kind" = flag ] && continue
      pattern=${option_names//,/|}
      if [ "$kind" = choice ]; then
        echo "        $pattern) kind=choice; options=\"$choices\" ;;"
      else
        echo "        $pattern) kind=$kind ;;"
      fi
    done <<<"$all")
    if [ -n "$cases" ]; then
      echo '      case $prev in'
      echo "$cases"
      echo '      esac'
    fi
    echo '      ;;'
  done
  cat <<'EOF'
    *) return ;;
  esac
  case $kind in
    choice) COMPREPLY=($(compgen -W "$options" -- "$cur")) ;;
    port)
      COMPREPLY=($(compgen -W "$(_tpq700_ports)" -- "$cur"))
      [[ $cur == */* ]] && { compopt -o filenames; COMPREPLY+=($(compgen -f -- "$cur")); }
      ;;
    folder) compopt -o filenames; COMPREPLY=($(compgen -d -- "$cur")) ;;
    file) compopt -o filenames; COMPREPLY=($(compgen -f -- "$cur")) ;;
    value) ;;
    *)
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
      else
        compopt -o filenames
        COMPREPLY=($(compgen -f -- "$cur"))
      fi
      ;;
  esac
} &&
  complete -F _tpq700 tpq700
EOF
} >"$out.tmp"
bash -n "$out.tmp"
mv "$out.tmp" "$out"
