#!/usr/bin/env bash
# The main window under a real window manager (openbox, IceWM or xfwm4 on Xvfb): three starts, each ended by
# Ctrl+Q without touching the window. The first Quit stores the designed outer size 14835 x 10530 twips,
# and "DB.ini" stays byte for byte the same after the second and third: the window does not creep.
# With "late", each start is on a new display without a window manager, which starts 1.5 s after the
# window showed (an autostart entry run before the window manager): the frame comes after the program
# stopped waiting for it, and the stored size still stays.
# Usage: WindowGrowthTest.sh openbox|icewm|xfwm4 <vondari executable> <template pcdb.mdb> [late]. Exit 77
# (skipped) without Xvfb, xdotool or the window manager.
set -euo pipefail
wm=$1
exe=$2
template=$3
late=${4:-}
[ -z "$late" ] || wm_later=1

source "$(dirname "$0")/WmSession.sh"

# The program folder: the executable beside a fresh ledger.
cp "$exe" "$work/vondari"
cp "$template" "$work/pcdb.mdb"

for cycle in 1 2 3; do
  [ -z "$late" ] || [ "$cycle" -eq 1 ] || new_display
  "$work/vondari" >"$work/vondari.$cycle.log" 2>&1 &
  app=$!
  wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vondari$' | head -n 1) || {
    echo "cycle $cycle: the main window did not show"; cat "$work/vondari.$cycle.log"; exit 1; }
  if [ -n "$late" ]; then
    sleep 1.5
    start_wm
  fi
  sleep 2  # the window manager frames the window; the program applies its size once it knows the frame
  xdotool windowactivate --sync "$wid"
  xdotool key --clearmodifiers ctrl+q
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then
    echo "cycle $cycle: Ctrl+Q did not end the program"; kill "$app"; exit 1
  fi
  wait "$app" || true
  cp "$work/DB.ini" "$work/DB.ini.$cycle"
done

status=0
for key in FormSizeWidth=14835 FormSizeHight=10530; do
  if ! grep -q "^$key"$'\r'"\?$" "$work/DB.ini.1"; then
    echo "the first Quit did not store $key:"; cat "$work/DB.ini.1"; status=1
  fi
done
sizes() { tr -d '\r' <"$1" | grep -E '^FormSize'; }
for cycle in 2 3; do
  if [ -n "$late" ]; then
    # The place a late frame leaves the window at is the window manager's: only the size is the program's.
    if [ "$(sizes "$work/DB.ini.1")" != "$(sizes "$work/DB.ini.$cycle")" ]; then
      echo "the stored size changed at start $cycle:"; diff "$work/DB.ini.1" "$work/DB.ini.$cycle" || true; status=1
    fi
  elif ! cmp -s "$work/DB.ini.1" "$work/DB.ini.$cycle"; then
    echo "DB.ini changed at start $cycle:"; diff "$work/DB.ini.1" "$work/DB.ini.$cycle" || true; status=1
  fi
done
[ "$status" -eq 0 ] && echo "three starts under $wm${late:+ (started late)}: DB.ini stays $(sizes "$work/DB.ini.1" | tr '\n' ' ')"
exit "$status"
