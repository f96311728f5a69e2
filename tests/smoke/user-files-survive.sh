#!/usr/bin/env bash
# Every folder the program writes holds files a person keeps there, dated two
# hours ago: backup copies named like catalogs and like the program's own
# temporary and lock files, notes, a link, a FIFO, a folder. A whole session
# then runs: batch scans and saves over an existing catalog and writes both
# reports; the window starts, rewrites a catalog's comment and root, changes
# the language and the skin, moves a file to the trash and exits. Every one of
# those files must still be there, of its type, byte for byte.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
export XDG_DATA_HOME=$work/data
batch() { CORVANEDISK_CONSOLE=1 timeout 60 "$build/CorvaneDisk" "$@" >/dev/null || fail "batch $* failed: $?"; }

program=$CORVANEDISK_HOME
settings=$XDG_CONFIG_HOME/CorvaneDisk
trash=$XDG_DATA_HOME/Trash
disk=$work/disk
mkdir -p "$disk/photos" "$settings" "$trash/files" "$trash/info"
echo sun >"$disk/photos/beach.jpg"
echo bye >"$disk/victim.txt"
batch "-c:$disk" -o:Photos -r -a # the existing catalog
# The disk as mounted elsewhere, where the catalog's root is moved to.
cp -r "$disk" "$work/moved"
catalog=$program/dat/Photos.dat
cp "$here/tests/fixtures/language/CorD_deu.lng" "$program/language/"
cp "$program/skin/CorvaneDisk.zip" "$program/skin/Another.zip"

# The user's files. Names the program itself uses are left out: its catalogs
# and reports, tmp/'s unpacked skin (*.bmp, corvanedisk.ini, the work mark),
# registry.reg and window.lock, and its own temporary and lock files
# (".NAME.corvane-" and six letters or digits, ".NAME.corvane-lock").
kept=()
keep() {
  local folder=$1 name
  shift
  for name in "$@"; do
    printf 'kept by hand: %s\n' "$name" >"$folder/$name"
    kept+=("$folder/$name")
  done
}
odd_entries() {
  ln -s notes.txt "$1/notes link"
  ln -s gone.txt "$1/broken.dat.lock"
  mkfifo "$1/pipe.dat.backup"
  mkdir "$1/Photos.dat.folder"
  echo inside >"$1/Photos.dat.folder/inside.txt"
  kept+=("$1/notes link" "$1/broken.dat.lock" "$1/pipe.dat.backup" "$1/Photos.dat.folder"
    "$1/Photos.dat.folder/inside.txt")
}
copies=(Photos.dat.backup Photos.dat.old123 Music.dat.orig01 notes.dat.README Photos.dat.lock Photos.dat.bak
  Photos.dat~ Photos.dat.lock.old .Photos.dat.corvane-lock.old .Photos.dat.corvane-12345
  .Photos.dat.corvane-1234567 .Music.dat.corvane-ab12c_ .Photos.dat.corvane- notes.txt)
for folder in "$program/dat" "$program/tmp" "$program/reports" "$program/skin" "$program/language" \
  "$settings" "$trash"; do
  keep "$folder" "${copies[@]}"
  odd_entries "$folder"
done
keep "$program/tmp" keep.bmp.bak corvanedisk.ini.orig .CorvaneDisk-work.old
mkdir "$program/tmp/pictures.bmp"
ln -s notes.txt "$program/tmp/link.bmp"
kept+=("$program/tmp/pictures.bmp" "$program/tmp/link.bmp")
keep "$program/reports" Lib_Photos.html.bak Lib_Photos.txt.backup rep_find.html.old .Lib_Photos.html.corvane-lock.old
keep "$program/language" CorD_eng.lng.bak
keep "$settings" registry.reg.bak registry.reg.backup registry.reg.lock window.lock.old
# The trash already holds a victim.txt of an earlier day, and a victim.txt.2
# without its info file.
keep "$trash/files" victim.txt victim.txt.2
keep "$trash/info" victim.txt.trashinfo
keep "$trash" directorysizes
kept+=("$program/skin/Another.zip" "$program/language/CorD_deu.lng")
touch -h -d '2 hours ago' "${kept[@]}"

# Type, link target, bytes and date of each: what the user would notice.
describe() {
  local f
  for f in "${kept[@]}"; do
    printf '%s\t' "${f#"$work"/}"
    if [[ -L $f ]]; then
      printf 'link -> %s\n' "$(readlink "$f")"
    elif [[ -p $f ]]; then
      echo fifo
    elif [[ -d $f ]]; then
      echo folder
    elif [[ -f $f ]]; then
      printf 'file %s %s\n' "$(sha256sum <"$f" | cut -d' ' -f1)" "$(stat -c %Y "$f")"
    else
      echo gone
    fi
  done
}
describe >"$work/before.txt"

# Batch: a start, a scan saved over the existing catalog, both reports.
batch "-c:$disk" -o:Photos -r -a
batch -l:Photos.dat -t:H -i:frsdic -a
batch -l:Photos.dat -t:T -i:frsdic -a
[[ -s $program/reports/Lib_Photos.html && -s $program/reports/Lib_Photos.txt ]] || fail "no reports written"

start_program "$build"
mapfile -t known < <(xdotool search --onlyvisible --class '^CorvaneDisk$' 2>/dev/null)
focus "$MAIN_WINDOW"

# The catalog's comment and root, through its properties dialog.
press_and_wait_change "$MAIN_WINDOW" ctrl+l
xdotool mousemove --window "$MAIN_WINDOW" 80 48 click 3 # the library's only row
new_window "${known[@]}" >/dev/null || fail "the catalog's menu did not open"
xdotool key Up Return # Properties
dialog=$(find_window '^CorvaneDisk - Properties$') || fail "the properties dialog did not open"
focus "$dialog"
xdotool key Tab space # the root chooser
chooser=$(new_window "${known[@]}" "$dialog") || fail "no folder chooser"
focus "$chooser"
xdotool key ctrl+a
xdotool type --delay 10 "$work/moved"
xdotool key Return
wait_for 60 "the folder chooser to close" gone "$chooser" || exit 1
focus "$dialog"
wait_for 60 "the dialog to hold still" still "$dialog" "$work/dialog.png" || exit 1
xdotool mousemove --window "$dialog" 180 320 click 1 # the comment
xdotool type --delay 10 "kept comment"
xdotool mousemove --window "$dialog" 146 374 click 1 # OK
wait_for 60 "the properties dialog to close" gone "$dialog" || exit 1
wait_for 60 "the comment in the catalog" grep -aq '^>Comment kept comment' "$catalog" || fail "no comment written"
grep -aq '^>Root Dir .*moved' "$catalog" || fail "the root was not rewritten: $(sed -n 6p "$catalog")"

# The language, then the skin, in the options dialog.
focus "$MAIN_WINDOW"
xdotool key F5
options=$(find_window '^Options$') || fail "no options dialog"
press_and_wait_change "$options" Down Down Down # Setup, Display, File types, Language
xdotool mousemove --window "$options" 240 37 click 1 # Deutsch
find_window '^Optionen$' >/dev/null || fail "the language did not change"
xdotool mousemove --window "$options" 70 92 click 1 # the tree's Skins
wait_for 60 "the Skins page" differs "$options" "$work/before-keys.png" 1000 || exit 1
xdotool mousemove --window "$options" 240 64 click 1 # Another, the first skin
wait_for 60 "the options dialog to hold still" still "$options" "$work/options.png" || exit 1
eval "$(xdotool getwindowgeometry --shell "$options")"
xdotool mousemove --window "$options" $((WIDTH - 49)) $((HEIGHT - 20)) click 1 # OK
wait_for 60 "the options dialog to close" gone "$options" || exit 1

# A found file to the trash, through the desktop's menu of its row.
search_from_main victim 1 || exit 1
results=$RESULTS
xdotool mousemove --window "$results" 60 45 click 1 click 3
new_window "${known[@]}" "$results" >/dev/null || fail "the file's menu did not open"
xdotool key Up Up Return # Move to Trash, above Properties
wait_for 60 "victim.txt to leave its folder" test ! -e "$work/moved/victim.txt" || fail "victim.txt was not moved"
grep -rqx bye "$trash/files" || fail "victim.txt did not reach the trash: $(ls "$trash/files")"

focus "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit
[[ $EXIT_STATUS -eq 0 ]] || fail "exit status $EXIT_STATUS"
grep -A1 -F '\Skins]' "$settings/registry.reg" | tr -d '\r' | grep -qx '@="Another.zip"' || fail "the skin was not kept"

describe >"$work/after.txt"
if ! diff "$work/before.txt" "$work/after.txt" >"$work/changes.txt"; then
  echo "files of the user that changed or went:" >&2
  LC_ALL=C join -t $'\t' <(LC_ALL=C sort "$work/before.txt") <(LC_ALL=C sort "$work/after.txt") |
    awk -F'\t' '$2 != $3 { printf "  %s: was %s, now %s\n", $1, $2, $3 }' >&2
  exit 1
fi
echo "${#kept[@]} files of the user kept through a whole session"
