# Sourced by the window-manager checks: a display of our own (Xvfb, 1280x1024 at 96 dpi) with openbox on
# it, both ended with the script. Exit 77 (skipped) without Xvfb, openbox or xdotool. Sets $work (a
# temporary folder, removed at the end) and DISPLAY; the caller adds its own process ids to pids.
for tool in Xvfb openbox xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (./run.sh test installs xvfb, openbox and xdotool where it can)"
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

# The server picks a free display number itself and tells it once it listens.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# The window manager is up once it names the current desktop.
for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done
xdotool get_desktop >/dev/null 2>&1 || { echo "openbox did not start"; cat "$work/openbox.log"; exit 1; }
