#!/usr/bin/env bash
# The real program on a private X server: a disk holds "a>b.txt" and "a?b.txt",
# which the catalog writes alike ("a?b.txt"), and a lone "c>d.txt". In the
# results of a search, Delete on either row of the pair is refused with a box
# naming both files and deletes nothing; Delete on "c?d.txt" deletes c>d.txt.
# With SHOTS set to a folder, pictures of each step are kept there.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"

disk=$work/disk
mkdir -p "$disk"
printf gt > "$disk/a>b.txt"
printf qm > "$disk/a?b.txt"
printf cd > "$disk/c>d.txt"
catalog_folder "$build" "$disk" Alike
[[ $(grep -a -c '\\disk\\a?b\.txt>' "$catalog") == 2 && $(grep -a -c '\\disk\\c?d\.txt>' "$catalog") == 1 ]] ||
  fail "the catalog does not write the names alike: $(cat -v "$catalog")"
[[ -z ${SHOTS:-} ]] || tail -n 3 "$catalog" | cat -v

start_program "$build"
known=$(xdotool search --onlyvisible --class '^CorvaneDisk$' 2>/dev/null | tr '\n' ' ')
# Rows in catalog order: the pair (both "a?b.txt"), then "c?d.txt".
search_from_main txt 3
results=$RESULTS
known="$known $results"

# Delete on a row, OK at the insert-disk prompt; prints the next box's id.
delete_row() {
  focus "$results"
  xdotool mousemove --window "$results" 60 "$1" click 1
  focus "$results"
  xdotool key Delete
  local box
  box=$(new_window $known) || fail "no insert-disk prompt"
  focus "$box"
  xdotool key Return # OK
  wait_for 60 "the insert-disk prompt to close" gone "$box" || exit 1
  new_window $known || fail "no box after the insert-disk prompt"
}

row=1
for y in 45 63; do
  box=$(delete_row $y)
  focus "$box"
  picture "$row-refused"
  xdotool key Return
  wait_for 60 "the refusal to close" gone "$box" || exit 1
  ls -b "$disk"
  [[ $(cat "$disk/a>b.txt") == gt && $(cat "$disk/a?b.txt") == qm && -e "$disk/c>d.txt" ]] ||
    fail "row $row touched a file"
  row=$((row + 1))
done

box=$(delete_row 81)
focus "$box"
picture 3-delete-question
xdotool key alt+y
wait_for 60 "the delete question to close" gone "$box" || exit 1
wait_for 60 "c>d.txt to go" test ! -e "$disk/c>d.txt" || fail "c>d.txt is still there"
ls -b "$disk"
[[ $(cat "$disk/a>b.txt") == gt && $(cat "$disk/a?b.txt") == qm ]] || fail "the pair was touched"

focus "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit
[[ $EXIT_STATUS -eq 0 ]] || fail "exit status $EXIT_STATUS"
echo "the pair's rows deleted nothing; c?d.txt deleted c>d.txt"
