#!/usr/bin/env bash
# Makes a seed corpus for the project-file fuzz target with the tool itself: a new design, a
# changed one, an old revision, the old header, and a short file.
# Usage: fuzz/make_seeds.sh PATH/TO/tpq700 OUT_FOLDER
set -euo pipefail
tool=$1
out=$2
mkdir -p "$out"

"$tool" new --force "$out/new.TPX"

cp "$out/new.TPX" "$out/changed.TPX"
"$tool" set "$out/changed.TPX" "settings.start=menu 1" settings.large_font=1 \
  menu.1.font=large menu.1.caption_flag=1 menu.1.caption=Stock "menu.1.item.1.text=Count" \
  "menu.1.item.1.target=form 2" form.2.font=large form.2.line.1.type=text \
  form.2.line.2.type=extension form.2.line.1.prompt=Item form.2.line.1.max_length=40 \
  lookup.1.member_length=20 lookup.1.field_count=3 weight.key_field=5

cp "$out/new.TPX" "$out/revision1.TPX"
"$tool" set "$out/revision1.TPX" settings.key_click=5 "form.1.error_target=menu 3" \
  settings.revision=1

cp "$out/new.TPX" "$out/revision3.TPX"
"$tool" set "$out/revision3.TPX" settings.revision=3

# The old header, and an old design behind it.
cp "$out/revision1.TPX" "$out/old-header.TPX"
printf 'Q700-1.00' | dd of="$out/old-header.TPX" conv=notrunc status=none

# A file that ends inside the form table.
head -c 5000 "$out/changed.TPX" >"$out/short.TPX"

ls -l "$out"
