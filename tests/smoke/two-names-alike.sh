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
picture() { [[ -z ${SHOTS:-} ]] || { sleep 0.5; shot "$SHOTS/$1.png"; echo "$SHOTS/$1.png"; }; }
# A shown window that is none of the ones given, waited for (10 s at most).
new_window() {
  local i w known=" $* "
  for ((i = 0; i < 100; i++)); do
    for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      [[ $known == *" $w "* ]] || { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
fail() { echo "$1" >&2; exit 1; }
gone() { # waits until window $1 is no longer shown
  local i
  for ((i = 0; i < 100; i++)); do
    xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  fail "window $1 stayed"
}

disk=$work/disk
mkdir -p "$disk"
printf latin > "$disk/"$'\xe9'.txt
printf utf8 > "$disk/"$'\xc3\xa9'.txt
printf z > "$disk/z.txt"
CORVANEDISK_CONSOLE=1 "$build/CorvaneDisk" "-c:$disk" -o:Twins -a >/dev/null
catalog=$CORVANEDISK_HOME/dat/Twins.dat
[[ -f $catalog ]] || fail "no catalog made"

start_program "$build"
known="$(xdotool search --onlyvisible --name . 2>/dev/null | tr '\n' ' ')"
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key ctrl+f
xdotool type --delay 20 txt
xdotool mousemove --window "$MAIN_WINDOW" 303 35 click 1 # Search
results=$(other_window 10)
known="$known $results"
xdotool windowfocus --sync "$results"
# Rows in catalog order: z.txt, the UTF-8 name, the Latin-1 name (the
# third row, 18 pixels each under a header that ends 36 pixels down).
xdotool mousemove --window "$results" 60 81 click 1
picture 1-latin-row-selected

xdotool key F12
editor=$(new_window $known) || fail "no comment editor"
xdotool windowfocus --sync "$editor"
xdotool type --delay 20 "latin one"
picture 2-comment-typed
xdotool key Return
gone "$editor"
grep -a -q $'\xe9.txt>[^>]*>latin one<' "$catalog" || fail "the comment is not on the Latin-1 line: $(cat -v "$catalog")"
! grep -a -q $'\xc3\xa9.txt>[^>]*>' "$catalog" || fail "the UTF-8 line got a comment: $(cat -v "$catalog")"
picture 3-comment-written
[[ -z ${SHOTS:-} ]] || tail -n 3 "$catalog" | cat -v

xdotool windowfocus --sync "$results"
xdotool key Delete
box=$(new_window $known) || fail "no insert-disk prompt"
xdotool windowfocus --sync "$box"
picture 4-insert-disk
xdotool key Return # OK
gone "$box"
box=$(new_window $known) || fail "no delete question"
xdotool windowfocus --sync "$box"
picture 5-delete-question
xdotool key alt+y
gone "$box"
for ((i = 0; i < 50; i++)); do
  [[ -e "$disk/"$'\xe9'.txt ]] || break
  sleep 0.1
done
picture 6-after-delete
ls -b "$disk"
[[ ! -e "$disk/"$'\xe9'.txt ]] || fail "the Latin-1 file is still there"
[[ $(cat "$disk/"$'\xc3\xa9'.txt) == utf8 ]] || fail "the UTF-8 file is gone"
[[ -e "$disk/z.txt" ]] || fail "z.txt is gone"

xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit 15
[[ $EXIT_STATUS -eq 0 ]] || fail "exit status $EXIT_STATUS"
echo "the Latin-1 row commented and deleted its own file"
