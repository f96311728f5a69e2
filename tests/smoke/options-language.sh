#!/usr/bin/env bash
# The real program on a private X server: the options dialog opens with F5,
# its Language page switches to the fixture language with a click, and the
# windows are relabelled: the dialog's own title reads "Optionen" and the
# main window looks different. The choice is stored.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
cp "$here/tests/fixtures/language/CorD_deu.lng" "$CORVANEDISK_HOME/language/"
start_program "$build"
focus "$MAIN_WINDOW"
wait_for 60 "the main window to hold still" still "$MAIN_WINDOW" "$work/before.png"

xdotool key F5
options=$(find_window '^Options$')
[[ -n "$options" ]] || { echo "no options dialog" >&2; exit 1; }
press_and_wait_change "$options" Down Down Down # Setup, Display, File types, Language
xdotool mousemove --window "$options" 240 37 click 1 # the first language of the list: Deutsch
find_window '^Optionen$' >/dev/null ||
  { echo "the dialog was not relabelled" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$options")"
xdotool mousemove --window "$options" $((WIDTH - 49)) $((HEIGHT - 20)) click 1 # OK closes the dialog
wait_for 60 "the options dialog to close" gone "$options" || exit 1
focus "$MAIN_WINDOW"
# Where the dialog stood the main window is drawn again: wait until it holds still.
wait_for 60 "the main window to hold still" still "$MAIN_WINDOW" "$work/after.png"
changed=$(pixels_apart "$work/before.png" "$work/after.png" || true)
[[ "$changed" =~ ^[0-9]+$ && "$changed" -gt 100 ]] ||
  { echo "the main window did not change ($changed pixels)" >&2; exit 1; }

xdotool key --clearmodifiers alt+F4
wait_exit
reg=$XDG_CONFIG_HOME/CorvaneDisk/registry.reg
grep -q 'CorD_deu.lng' "$reg" || { echo "the language was not stored" >&2; cat "$reg" >&2; exit 1; }
echo "switched to German: $changed pixels of the main window changed"
