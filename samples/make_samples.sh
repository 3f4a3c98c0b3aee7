#!/usr/bin/env bash
# Makes the two sample designs with the command-line tool, as a person would with the editor:
#   STOCK.TPX     stock taking: a menu, a shelf form whose record is passed down, a count form
#                 backed by the article lookup file (articles.txt), a counter and date stamps, and
#                 an item check form
#   DELIVERY.TPX  delivery check-in: a delivery note form whose record is passed down to the
#                 check-in lines and the sign-off, which passes its own record on
# Usage: make_samples.sh [TPQ700 [FOLDER]]  (defaults: build/native/tpq700 and this folder)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=${1:-$here/../build/native/tpq700}
out=${2:-$here}
mkdir -p "$out"

# ---------------------------------------------------------------------------------------------
# Stock taking. Collect opens menu 1; "1.Count" asks for the shelf (form 1), then counts the
# articles on it (form 2) until ESC; "2.Check item" looks an article up (form 3).
stock=$out/STOCK.TPX
"$tool" new --force "$stock"
"$tool" set "$stock" \
  "settings.start=menu 1" settings.delimiter1=44 \
  menu.1.caption_flag=1 "menu.1.caption=STOCK TAKING" menu.1.escape=main \
  menu.1.item.1.text=1.Count "menu.1.item.1.target=form 1" \
  "menu.1.item.2.text=2.Check item" "menu.1.item.2.target=form 3"

# Form 1: the shelf label; its record (shelf and date) goes down to the count form.
"$tool" set "$stock" \
  "form.1.escape=menu 1" "form.1.next=form 2" "form.1.record_action=pass down" \
  "form.1.stamp.position=appended to the bottom of a record" form.1.stamp.split=0 \
  form.1.stamp.hour=0 form.1.stamp.minute=0 form.1.stamp.second=0 \
  form.1.line.1.type=text form.1.line.1.prompt=Shelf: form.1.line.1.min_length=2 \
  form.1.line.1.max_length=6

# Form 2: the count. The article number is the key of lookup file 1, the description comes from
# its second column, the quantity is saved as five digits, and every record is time stamped.
"$tool" set "$stock" \
  "form.2.escape=menu 1" "form.2.next=form 2" form.2.record_action=save \
  "form.2.lookup=1st lookup file" \
  "form.2.stamp.position=appended to the bottom of a record" \
  "form.2.line.1.type=pass down" form.2.line.1.prompt=Loc: \
  form.2.line.2.type=text form.2.line.2.prompt=Item: form.2.line.2.min_length=1 \
  form.2.line.2.max_length=13 "form.2.line.2.lookup_column=field 1" \
  form.2.line.3.type=lookup form.2.line.3.prompt=Desc: "form.2.line.3.lookup_column=field 2" \
  form.2.line.4.type=integer form.2.line.4.prompt=Qty: form.2.line.4.min_length=1 \
  form.2.line.4.max_length=5 form.2.line.4.fixed_length_flag=1 form.2.line.4.fixed_length=5 \
  "form.2.line.4.alignment=Right aligned (filled with 0)" \
  form.2.line.5.type=counter form.2.line.5.prompt=Count:

# Form 3: look an article up; nothing is recorded.
"$tool" set "$stock" \
  "form.3.escape=menu 1" "form.3.next=form 3" form.3.record_action=nothing \
  "form.3.lookup=1st lookup file" \
  form.3.line.1.type=text form.3.line.1.prompt=Item: form.3.line.1.min_length=1 \
  form.3.line.1.max_length=13 "form.3.line.1.lookup_column=field 1" \
  form.3.line.2.type=lookup form.3.line.2.prompt=Desc: "form.3.line.2.lookup_column=field 2" \
  form.3.line.3.type=lookup form.3.line.3.prompt=Price: "form.3.line.3.lookup_column=field 3"

# Lookup file 1 (articles.txt): tab-delimited article number, description and price. set works
# out the delimited layout as the editor does: member length 13 + 20 + 7 + 3 - 1 = 42, offsets
# 1, 15, 36; and numbers the calculator item of the terminal's utilities menu 9.
"$tool" set "$stock" \
  lookup.1.delimiter=9 lookup.1.field_count=3 "lookup.1.key_field=field 1" \
  lookup.1.field.1.length=13 lookup.1.field.2.length=20 lookup.1.field.3.length=7 \
  "lookup.1.no_match=Show warning message" "lookup.1.bad_format=Skip the record"

# ---------------------------------------------------------------------------------------------
# Delivery check-in. Collect starts form 1 (the delivery note); its record is passed down and
# shown above every check-in line (form 2); ESC there goes to the sign-off (form 3), whose record
# is passed on in turn, and the next delivery begins.
delivery=$out/DELIVERY.TPX
"$tool" new --force "$delivery"
"$tool" set "$delivery" "settings.start=form 1" settings.delimiter1=59

# Form 1 (large font): note number with the prefix DN, supplier (the key of lookup file 1) and
# the supplier's name saved from the lookup; stamped on top with the date and the time.
"$tool" set "$delivery" \
  form.1.font=large form.1.escape=main "form.1.next=form 2" "form.1.record_action=pass down" \
  "form.1.lookup=1st lookup file" \
  "form.1.stamp.position=added to the top of a record" "form.1.stamp.year_digits=2 Digits (YY)" \
  form.1.stamp.date_separator=. "form.1.stamp.date_style=Day.Month.Year" form.1.stamp.second=0 \
  form.1.line.1.type=integer form.1.line.1.prompt=Note: form.1.line.1.input_source=keypad \
  form.1.line.1.min_length=6 form.1.line.1.max_length=6 \
  form.1.line.1.prefix_flag=1 form.1.line.1.prefix=DN \
  form.1.line.2.type=text form.1.line.2.prompt=Supp: form.1.line.2.min_length=5 \
  form.1.line.2.max_length=5 "form.1.line.2.lookup_column=field 1" \
  form.1.line.3.type=lookup "form.1.line.3.lookup_column=field 2" \
  form.1.line.3.initial_value_flag=1

# Form 2: one check-in line: article, quantity, damaged (Y/N, N unless changed), line counter.
"$tool" set "$delivery" \
  "form.2.escape=form 3" "form.2.next=form 2" form.2.record_action=save \
  "form.2.line.1.type=pass down" form.2.line.1.prompt=Del: form.2.line.2.type=extension \
  form.2.line.3.type=text form.2.line.3.prompt=Item: form.2.line.3.min_length=1 \
  form.2.line.3.max_length=13 \
  form.2.line.4.type=integer form.2.line.4.prompt=Qty: form.2.line.4.min_length=1 \
  form.2.line.4.max_length=4 \
  form.2.line.5.type=boolean form.2.line.5.prompt=Damaged: form.2.line.5.min_length=1 \
  form.2.line.5.max_length=1 form.2.line.5.initial_value_flag=1 form.2.line.5.initial_value=N \
  form.2.line.6.type=counter form.2.line.6.prompt=Line:

# Form 3: sign-off: pallets (two digits) and the driver's initials, stamped at the bottom.
"$tool" set "$delivery" \
  "form.3.escape=form 2" "form.3.next=form 1" "form.3.record_action=pass down" \
  "form.3.stamp.position=appended to the bottom of a record" \
  "form.3.line.1.type=pass down" form.3.line.1.prompt=Del: \
  form.3.line.2.type=integer form.3.line.2.prompt=Pallets: form.3.line.2.min_length=1 \
  form.3.line.2.max_length=2 form.3.line.2.fixed_length_flag=1 form.3.line.2.fixed_length=2 \
  "form.3.line.2.alignment=Right aligned (filled with 0)" \
  form.3.line.3.type=letter form.3.line.3.prompt=Driver: form.3.line.3.min_length=2 \
  form.3.line.3.max_length=3

# Lookup file 1 (suppliers.txt): fixed-length records of 26 characters: a 5-digit supplier
# number, a blank and the name in 20 characters.
"$tool" set "$delivery" \
  lookup.1.delimiter=0 lookup.1.member_length=26 lookup.1.field_count=2 \
  "lookup.1.key_field=field 1" lookup.1.field.1.offset=1 lookup.1.field.1.length=5 \
  lookup.1.field.2.offset=7 lookup.1.field.2.length=20 "lookup.1.no_match=Show warning message"

echo "wrote $stock and $delivery"
