#!/usr/bin/env bash
# Makes the Windows installer (MSI) of a Windows build with wixl: the program, its language files,
# the tool, the samples and the guide (also as HTML, for the Start menu) under Program Files.
# Usage: make_msi.sh BUILD-DIR OUT.msi [VERSION]
#   VERSION defaults to the project's; a test gives another to try an upgrade.
set -euo pipefail
if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: make_msi.sh BUILD-DIR OUT.msi [VERSION]" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
bin=$(cd "$1" 2>/dev/null && pwd) || { echo "make_msi.sh: no folder $1" >&2; exit 1; }
out=$2
case $out in /*) ;; *) out=$PWD/$out ;; esac
version=${3:-$(sed -n 's/^project(q700 VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")}
[[ $version =~ ^[0-9]+\.[0-9]+(\.[0-9]+)?$ ]] || {
  echo "make_msi.sh: version '$version' is not MAJOR.MINOR[.BUILD]" >&2
  exit 2
}
for f in "$bin/app/win32/TPQ700.exe" "$bin/tpq700.exe"; do
  [ -f "$f" ] || { echo "make_msi.sh: $f not found; build the windows preset first" >&2; exit 1; }
done
for tool in wixl msibuild; do
  command -v $tool >/dev/null || {
    echo "make_msi.sh: $tool not found (Debian packages wixl and msitools)" >&2
    exit 1
  }
done
# Debian's interpreter, which has the markdown module, whatever else is first on PATH.
python=/usr/bin/python3
"$python" -c 'import markdown' 2>/dev/null || {
  echo "make_msi.sh: the markdown module of $python is missing (Debian package python3-markdown)" >&2
  exit 1
}

stage=$(mktemp -d)
trap 'rm -rf "$stage" "$out.tmp"' EXIT

# The guide as a web page: Windows opens that from the Start menu, a .md file it does not.
"$python" - "$source_dir/docs/guide.md" "$stage/guide.html" <<'EOF'
import html, sys, markdown
text = open(sys.argv[1], encoding="utf-8").read()
body = markdown.markdown(text, extensions=["tables", "toc", "fenced_code"])
title = text.splitlines()[0].lstrip("# ").strip()
style = ("body{font-family:Segoe UI,sans-serif;max-width:60em;margin:2em auto;padding:0 1em}"
         "table{border-collapse:collapse}td,th{border:1px solid #bbb;padding:.2em .5em}"
         "code{background:#f3f3f3}pre{background:#f3f3f3;padding:.5em;overflow:auto}"
         "img{max-width:100%}")
with open(sys.argv[2], "w", encoding="utf-8", newline="\r\n") as out:
    out.write('<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
              f"<title>{html.escape(title)}</title>\n<style>{style}</style>\n</head>\n"
              f"<body>\n{body}\n</body>\n</html>\n")
EOF

# The pictures of the guide and the language files are whatever the checkout holds. MSI names
# are stored in the database's code page and wixl keeps only ASCII, so a language file gets a
# stand-in name here and its own name after the build, once the code page can hold it.
xml() { sed 's/&/\&amp;/g; s/"/\&quot;/g; s/</\&lt;/g'; }
{
  echo '<Include>'
  for f in "$source_dir"/docs/*.png; do
    [ -f "$f" ] || continue
    echo "  <File Id=\"doc_$(basename "$f" .png | tr -c 'A-Za-z0-9_.\n' _)\"" \
      "Source=\"source/docs/$(basename "$f" | xml)\"/>"
  done
  echo '</Include>'
} >"$stage/pictures.wxi"
languages=()
{
  echo '<Include>'
  n=0
  for f in "$source_dir"/samples/*.lng; do
    [ -f "$f" ] || continue
    key=yes
    [ $n -gt 0 ] && key=no
    echo "  <File Id=\"lng$n\" Name=\"lng$n.lng\" KeyPath=\"$key\"" \
      "Source=\"source/samples/$(basename "$f" | xml)\"/>"
    languages+=("$(basename "$f")")
    n=$((n + 1))
  done
  echo '</Include>'
} >"$stage/languages.wxi"
[ ${#languages[@]} -gt 0 ] || { echo "make_msi.sh: no language files in samples/" >&2; exit 1; }

# One product code per version: a rebuild of the same version is the same product, a new
# version a new one that replaces it.
product_code=$("$python" -c 'import sys, uuid
print(str(uuid.uuid5(uuid.UUID("52FD0609-3436-43A7-8D32-7E0D3287A556"), "TPQ700 " + sys.argv[1])).upper())' \
  "$version")

# wixl takes only paths relative to the folder it runs in.
ln -s "$bin" "$stage/build"
ln -s "$source_dir" "$stage/source"
(cd "$stage" && wixl -a x64 -I "$stage" -o "$out.tmp" \
  -D Version="$version" -D ProductCode="$product_code" "$here/tpq700.wxs") 2>"$stage/wixl.err" || {
  cat "$stage/wixl.err" >&2
  exit 1
}

# Cyrillic names need the Cyrillic code page; every other text of the package is ASCII.
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$stage/_ForceCodepage.idt"
(cd "$stage" && msibuild "$out.tmp" -i _ForceCodepage.idt)
for i in "${!languages[@]}"; do
  name=${languages[$i]}
  [[ $name != *"'"* ]] || { echo "make_msi.sh: quote in $name" >&2; exit 1; }
  msibuild "$out.tmp" -q "UPDATE \`File\` SET \`FileName\` = '$name' WHERE \`File\` = 'lng$i'"
done
# msibuild reports a failed query only as a message; read the names back.
files=$(msiinfo export "$out.tmp" File)
for name in "${languages[@]}"; do
  grep -qF "	$name	" <<<"$files" ||
    { echo "make_msi.sh: could not name $name in the package" >&2; exit 1; }
done
mv "$out.tmp" "$out"
echo "wrote $out"
