#!/usr/bin/env bash
# The real program on a private X server: a search of a small library from
# the FIND layer fills the results window, Ctrl+P there writes the report of
# its rows and the desktop opens it with the program it knows for pages.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"

# A page viewer that only notes what it was asked to open.
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_DATA_HOME/applications"
printf '#!/bin/sh\necho "$1" > "%s/opened"\n' "$work" > "$work/viewer.sh"
chmod +x "$work/viewer.sh"
printf '[Desktop Entry]\nType=Application\nName=Page viewer\nExec=%s %%f\nMimeType=text/html;\n' \
  "$work/viewer.sh" > "$XDG_DATA_HOME/applications/page-viewer.desktop"
printf '[Default Applications]\ntext/html=page-viewer.desktop\n' > "$XDG_CONFIG_HOME/mimeapps.list"

mkdir -p "$work/disk/photos" "$work/disk/docs"
echo sun > "$work/disk/photos/beach.jpg"
echo sea > "$work/disk/photos/beach2.jpg"
echo ink > "$work/disk/docs/letter.txt"
catalog_folder "$build" "$work/disk" Demo -r

start_program "$build"
search_from_main beach 2 || exit 1
xdotool key ctrl+p

report=$CORVANEDISK_HOME/reports/rep_find.html
wait_for 60 "the report to be opened" test -s "$work/opened" || exit 1
grep -q "rep_find.html" "$work/opened" || fail "another file was opened: $(cat "$work/opened")"
grep -q '</HTML>' "$report" || fail "the report is not whole"
grep -q 'beach\.jpg' "$report" && grep -q 'beach2\.jpg' "$report" || fail "a hit is missing from the report"
! grep -q 'letter\.txt' "$report" || fail "the report holds a line that is no hit"

focus "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit
[[ $EXIT_STATUS -eq 0 ]] || fail "exit status $EXIT_STATUS"
echo "searched, printed and closed"
