#!/usr/bin/env bash
# Every window under a real window manager (openbox on Xvfb): runs the test program that opens each
# window as a user does and measures its frame through the X server.
# Usage: WindowPlacementTest.sh <test_app_wm executable> [gtest arguments]. Exit 77 (skipped) without
# Xvfb, openbox or xdotool.
set -euo pipefail
exe=$1
shift

source "$(dirname "$0")/WmSession.sh"

export QT_QPA_PLATFORM=xcb
"$exe" "$@"
