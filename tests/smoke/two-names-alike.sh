#!/usr/bin/env bash
# The real program on a private X server: a disk holds a Latin-1 "\xe9.txt"
# beside a UTF-8 "é.txt" (both read "é.txt") and z.txt. In the results of a
# search the Latin-1 row gets a comment (F12) and is deleted (Delete, Yes):
# the comment lands on that file's line and that file goes, the UTF-8 one
# stays. With SHOTS set to a folder, pictures of each step are kept there.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"

disk=$work/disk
mkdir -p "$disk"
printf latin > "$disk/"$'\xe9'.txt
printf utf8 > "$disk/"$'\xc3\xa9'.txt
printf z > "$disk/z.txt"
catalog_folder "$build" "$disk" Twins

start_program "$build"
known=$(xdotool search --onlyvisible --class '^CorvaneDisk$' 2>/dev/null | tr '\n' ' ')
# Rows in catalog order: z.txt, the UTF-8 name, the Latin-1 name.
search_from_main txt 3 || exit 1
results=$RESULTS
known="$known $results"
xdotool mousemove --window "$results" 60 81 click 1 # the third row
picture 1-latin-row-selected

xdotool key F12
editor=$(new_window $known) || fail "no comment editor"
focus "$editor"
xdotool type --delay 20 "latin one"
picture 2-comment-typed
xdotool key Return
wait_for 60 "the comment editor to close" gone "$editor" || exit 1
# The catalog is written once the editor has gone.
wait_for 60 "the comment on the Latin-1 line" grep -a -q $'\xe9.txt>[^>]*>latin one<' "$catalog" ||
  fail "the comment is not on the Latin-1 line: $(cat -v "$catalog")"
! grep -a -q $'\xc3\xa9.txt>[^>]*>' "$catalog" || fail "the UTF-8 line got a comment: $(cat -v "$catalog")"
picture 3-comment-written
[[ -z ${SHOTS:-} ]] || tail -n 3 "$catalog" | cat -v

focus "$results"
xdotool key Delete
box=$(new_window $known) || fail "no insert-disk prompt"
focus "$box"
picture 4-insert-disk
xdotool key Return # OK
wait_for 60 "the insert-disk prompt to close" gone "$box" || exit 1
box=$(new_window $known) || fail "no delete question"
focus "$box"
picture 5-delete-question
xdotool key alt+y
wait_for 60 "the delete question to close" gone "$box" || exit 1
wait_for 60 "the Latin-1 file to go" test ! -e "$disk/"$'\xe9'.txt || fail "the Latin-1 file is still there"
picture 6-after-delete
ls -b "$disk"
[[ $(cat "$disk/"$'\xc3\xa9'.txt) == utf8 ]] || fail "the UTF-8 file is gone"
[[ -e "$disk/z.txt" ]] || fail "z.txt is gone"

focus "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit
[[ $EXIT_STATUS -eq 0 ]] || fail "exit status $EXIT_STATUS"
echo "the Latin-1 row commented and deleted its own file"
