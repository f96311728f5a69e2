#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb), for the smoke tests and the
# screenshots. The server picks a free display itself (-displayfd), so runs
# that start at the same moment never share one; the command starts only once
# the display answers, and the server goes when the command ends, fails or the
# run is stopped.
# Usage: scripts/with-xvfb.sh [-s "SERVER ARGS"] COMMAND [ARG...]
set -euo pipefail
server_args="-screen 0 1280x800x24"
if [[ ${1:-} == -s ]]; then
  server_args=$2
  shift 2
fi
[[ $# -gt 0 ]] || { echo "usage: $0 [-s \"SERVER ARGS\"] COMMAND [ARG...]" >&2; exit 2; }

dir=$(mktemp -d)
server=
child=
stop() {
  [[ -z $child ]] || kill -TERM "$child" 2>/dev/null || true
  if [[ -n $server ]]; then
    kill -TERM "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap stop EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

cant_start() {
  local said
  # The server's own reason is its last error line.
  said=$(sed -n 's/^(EE) \(..*\)/\1/p' "$dir/server.log" | tail -n1)
  echo "Xvfb could not start: ${said:-$1}" >&2
  [[ ! -s $dir/server.log ]] || tail -n 20 "$dir/server.log" | sed 's/^/  Xvfb: /' >&2
  exit 1
}

# A cookie private to this run: only its own clients reach the server.
export XAUTHORITY=$dir/Xauthority
(umask 077 && : >"$XAUTHORITY")
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
# The server's number is not known yet; it takes every cookie of -auth whatever
# display the entry names, and clients find it under their own number below.
xauth -q add :0 MIT-MAGIC-COOKIE-1 "$cookie"

mkfifo "$dir/display"
# shellcheck disable=SC2086 # the server's arguments are words
Xvfb -displayfd 3 -nolisten tcp -noreset -auth "$XAUTHORITY" $server_args \
  3>"$dir/display" </dev/null >"$dir/server.log" 2>&1 &
server=$!
# The number comes once the server listens; end of file if it gave up.
number=
read -r -t 60 number <"$dir/display" || true
if [[ ! $number =~ ^[0-9]+$ ]]; then
  kill -0 "$server" 2>/dev/null || cant_start "the server ended at once"
  cant_start "no display number within 60 s"
fi
export DISPLAY=:$number
xauth -q add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"
deadline=$((SECONDS + 60))
until xdpyinfo >/dev/null 2>&1; do
  kill -0 "$server" 2>/dev/null || cant_start "the server on $DISPLAY ended"
  ((SECONDS < deadline)) || cant_start "$DISPLAY refused connections for 60 s"
  sleep 0.1
done

# In the background, so that a signal to this script stops the server at once.
"$@" &
child=$!
status=0
wait "$child" || status=$?
child=
exit "$status"
