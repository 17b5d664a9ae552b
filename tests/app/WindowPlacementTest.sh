#!/usr/bin/env bash
# Every window under a real window manager (openbox, IceWM or xfwm4 on Xvfb): runs the test program that opens
# each window as a user does and measures its frame through the X server.
# Usage: WindowPlacementTest.sh openbox|icewm|xfwm4 <test_app_wm executable> [gtest arguments]. Exit 77
# (skipped) without Xvfb, xdotool or the window manager.
set -euo pipefail
wm=$1
exe=$2
shift 2

source "$(dirname "$0")/WmSession.sh"

export QT_QPA_PLATFORM=xcb
"$exe" "$@"
