# Sourced by the window-manager checks with $wm naming the window manager (openbox, icewm or xfwm4): a
# display of our own (Xvfb, 1280x1024 at 96 dpi) and that window manager on it, both ended with the script.
# Exit 77 (skipped) without Xvfb, xdotool or the window manager; an installed window manager that does not
# start, or that dies before the end, fails the run. Sets $work (a temporary folder, removed at the end) and
# DISPLAY, exports VONDARI_WM; the caller adds its own process ids to pids. The window manager starts at
# once, or, with wm_later=1, when the caller runs start_wm (stop_wm ends it); new_display replaces the
# display with a fresh one, without a window manager.
# Everything started here gets a home of the run's own: the home the script was started with is listed
# before and after, and any change there fails the run.
case "$wm" in
  openbox) wm_command=(openbox --sm-disable) ;;
  # IceWM alone, without its session helpers; its settings in a folder of the run's own.
  icewm) wm_command=(icewm) ;;
  # xfwm4 reads its settings through xfconfd, which a session bus of the run's own starts on demand.
  xfwm4) wm_command=(xfwm4) ;;
  *) echo "unknown window manager: $wm"; exit 2 ;;
esac
tools=(Xvfb xdotool "${wm_command[0]}")
[ "$wm" != xfwm4 ] || tools+=(dbus-daemon)
for tool in "${tools[@]}"; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (./run.sh test installs xvfb, xdotool, openbox, icewm, xfwm4 and dbus-daemon where it can)"
    exit 77
  fi
done

outer_home=${HOME:-}
[ -z "$outer_home" ] || mkdir -p "$outer_home"
# The account's own home too, where a program that ignores HOME would write: the places Qt and the three
# window managers keep files in (all of it would also catch the user's other programs at work meanwhile).
account_home=$(getent passwd "$(id -u)" | cut -d: -f6)
work=$(mktemp -d)
pids=()
home_listing() {
  if [ -n "$outer_home" ] && [ -d "$outer_home" ]; then
    { find "$outer_home" -xdev -path "$work" -prune -o -printf 'H %P %y %s %T@\n' 2>/dev/null || true; } | sort
  fi
  if [ -n "$account_home" ] && [ "$account_home" != "$outer_home" ] && [ -d "$account_home" ]; then
    local spot
    for spot in .config/QtProject.conf .config/openbox .cache/openbox .icewm .config/icewm .config/xfce4 \
                .cache/xfce4 .cache/sessions .local/share/xorg .dbus .Xauthority .xsession-errors; do
      [ -e "$account_home/$spot" ] || continue
      { find "$account_home/$spot" -xdev -printf 'A %p %y %s %T@\n' 2>/dev/null || true; } | sort
    done
  fi
}
home_listing >"$work/home.before"
wm_stopped=""
cleanup() {
  local status=$?
  # A window manager that went away by itself (it crashed on one of our windows) fails the run.
  if [ -n "${wm_pid:-}" ] && [ -z "$wm_stopped" ] && ! kill -0 "$wm_pid" 2>/dev/null; then
    echo "$wm died during the run; its log:"
    cat "$work/wm.log"
    status=1
  fi
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ "$status" -ne 77 ] && ! home_listing | cmp -s "$work/home.before" -; then
    echo "the run changed the home folder $outer_home (H) or the account's home $account_home (A):"
    home_listing | diff "$work/home.before" - || true
    status=1
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

mkdir -m 700 "$work/run"
mkdir -p "$work/home/.config" "$work/home/.cache" "$work/home/.local/share" "$work/home/.local/state" "$work/icewm"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache \
  XDG_DATA_HOME=$work/home/.local/share XDG_STATE_HOME=$work/home/.local/state XDG_RUNTIME_DIR=$work/run \
  ICEWM_PRIVCFG=$work/icewm VONDARI_WM=$wm
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
  DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER

# The window managers' own settings: menus and key names in English (the cases pick menu items by their
# keys), no snapping to the screen's edges, so a window dragged near one stays where it was dropped, and
# xfwm4 without its compositor, which draws nothing measured here and slows its answers on a busy machine.
printf '%s\n' SnapMove=0 EdgeResistance=0 >"$work/icewm/preferences"
mkdir -p "$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
cat >"$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml/xfwm4.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfwm4" version="1.0">
  <property name="general" type="empty">
    <property name="snap_to_border" type="bool" value="false"/>
    <property name="snap_to_windows" type="bool" value="false"/>
    <property name="wrap_windows" type="bool" value="false"/>
    <property name="use_compositing" type="bool" value="false"/>
  </property>
</channel>
EOF

forget() {
  local kept=() p
  for p in "${pids[@]}"; do [ "$p" = "$1" ] || kept+=("$p"); done
  pids=("${kept[@]}")
}
# The server picks a free display number itself and tells it once it listens. A server whose last client
# leaves resets, and refuses the clients that come meanwhile ("Can't open display"): -noreset. A window
# manager stopped leaves its properties on the root window (IceWM and xfwm4 their _NET_SUPPORTED), so a
# display without one is a new server.
start_display() {
  : >"$work/display"
  Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/display" >>"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  pids+=("$xvfb_pid")
  for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  DISPLAY=:$(head -n 1 "$work/display")
  export DISPLAY
}
new_display() {
  stop_wm
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  forget "$xvfb_pid"
  start_display
}
start_display

if [ "$wm" = xfwm4 ]; then
  dbus-daemon --session --nofork --address="unix:path=$work/run/bus" >"$work/dbus.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 300); do [ -S "$work/run/bus" ] && break; sleep 0.1; done
  [ -S "$work/run/bus" ] || { echo "the session bus did not start"; cat "$work/dbus.log"; exit 1; }
fi

start_wm() {
  wm_stopped=""
  local bus=()
  [ "$wm" != xfwm4 ] || bus=("DBUS_SESSION_BUS_ADDRESS=unix:path=$work/run/bus")
  env LC_ALL=C.UTF-8 LANGUAGE= "${bus[@]}" "${wm_command[@]}" >>"$work/wm.log" 2>&1 &
  wm_pid=$!
  pids+=("$wm_pid")
  # The window manager is up once it names the current desktop; on a busy machine that can take seconds.
  for _ in $(seq 300); do
    xdotool get_desktop >/dev/null 2>&1 && return 0
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "$wm is installed but did not start (it ended, or named no desktop within 30 s); its log:"
  cat "$work/wm.log"
  wm_stopped=1
  exit 1
}
stop_wm() {
  [ -n "${wm_pid:-}" ] || return 0
  wm_stopped=1
  kill "$wm_pid" 2>/dev/null || true
  wait "$wm_pid" 2>/dev/null || true
  forget "$wm_pid"
}
[ -n "${wm_later:-}" ] || start_wm
