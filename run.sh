#!/usr/bin/env bash
# ./run.sh        installs what is missing, builds, starts vondari (needs a graphical session)
# ./run.sh test   installs what is missing, builds, runs the whole test suite
# ./run.sh bench  installs what is missing, builds, runs the benchmarks
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}

# The program is a window: without a display Qt could only fail with a confusing message, after the build.
if [ "$mode" = run ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "vondari needs a graphical session (no DISPLAY is set); without one, start it as: xvfb-run ./run.sh" >&2
  exit 1
fi

# Debian packages: compiler and CMake, Qt 6 Widgets/PrintSupport/Test and Qt's own Japanese texts, SQLite 3,
# GoogleTest, libgl-dev (Qt6Gui's CMake package needs the OpenGL headers), Japanese fonts for the windows.
PACKAGES=(g++ cmake make qt6-base-dev qt6-translations-l10n libgl-dev libsqlite3-dev libgtest-dev
          fonts-ipafont-gothic)
# Test-only: clang-format 14 (Debian 12's) for the style check in .ci/run; poppler-utils (pdftotext) to read
# printed sheets back.
if [ "$mode" = test ]; then PACKAGES+=(clang-format poppler-utils); fi
# Test-only, optional: a display server, a window manager and a key sender for the check of the main
# window under a real window manager; where they cannot be installed that check is skipped.
OPTIONAL=()
# xauth is only a recommendation of xvfb, and xvfb-run needs it.
if [ "$mode" = test ]; then OPTIONAL+=(xvfb xauth openbox xdotool); fi

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
BUILD=${BUILD_DIR:-build}
mkdir -p "$BUILD"
# apt-get's own lines (and debconf's notes) go to a log, shown only when an install fails.
APT_LOG=$BUILD/apt.log
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
mapfile -t missing < <(missing_of "${PACKAGES[@]}")
mapfile -t missing_optional < <(missing_of "${OPTIONAL[@]}")
if ((${#missing[@]} + ${#missing_optional[@]})); then
  echo "installing: ${missing[*]} ${missing_optional[*]}"
  # Only the optional packages may be out of reach (no network, no root): the rest are needed.
  if ! $SUDO apt-get update -qq && ((${#missing[@]})); then
    echo "apt-get update failed; needed: ${missing[*]}" >&2
    exit 1
  fi
fi
if ((${#missing[@]})); then
  if ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" \
    >"$APT_LOG" 2>&1; then
    cat "$APT_LOG" >&2
    exit 1
  fi
fi
if ((${#missing_optional[@]})); then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing_optional[@]}" \
    >>"$APT_LOG" 2>&1 || echo "could not install ${missing_optional[*]}: the window-manager check will be skipped"
fi

JOBS=$(nproc)
build() {
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$BUILD/build.log" 2>&1 || return 1
  fi
  cmake --build "$BUILD" -j "$JOBS" >>"$BUILD/build.log" 2>&1
}
: >"$BUILD/build.log"
build &
build_pid=$!
# A build with work to do says so (a fresh machine takes minutes); an up-to-date one stays quiet.
(sleep 2 && echo "building… (log: $BUILD/build.log)") &
note_pid=$!
build_status=0
wait "$build_pid" || build_status=$?
kill "$note_pid" 2>/dev/null || true
wait "$note_pid" 2>/dev/null || true
if [ "$build_status" -ne 0 ]; then
  grep -v -E '^\[ *[0-9]+%\]' "$BUILD/build.log" | tail -n 200
  echo "build failed (full log: $BUILD/build.log)" >&2
  exit 1
fi

case "$mode" in
  run)   exec "$BUILD/bin/vondari" ;;
  test)
    # A screenful at most: each failed test's line and output, then ctest's closing summary as it prints it
    # (CI reads those lines). The whole output stays in the log. Temporary files go to a folder of the run's
    # own, removed afterwards, so nothing is left in /tmp.
    log=$BUILD/test.log
    tmp=$(mktemp -d "$(cd "$BUILD" && pwd)/tmp.XXXXXX")
    test_status=0
    (cd "$BUILD" && TMPDIR=$tmp QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" --timeout 300) \
      >"$log" 2>&1 || test_status=$?
    rm -rf "$tmp"
    echo "test output: $log"
    awk '
      /^[0-9]+% tests passed/ { summary = 1 }
      summary { print; next }
      /^ *[0-9]+\/[0-9]+ Test +#[0-9]+: / {
        failed = ($0 !~ / Passed +[0-9.]+ sec$/ && $0 !~ /\*\*\*Skipped/ && $0 !~ /\*\*\*Not Run/)
        if (failed) print
        next
      }
      /^ +Start +[0-9]+: / { failed = 0; next }
      failed { print }
    ' "$log"
    exit "$test_status" ;;
  bench)
    # Every benchmark program, one line each (CMake's *_autogen folders sit beside them). A benchmark that
    # fails, or ends without printing a figure, fails the run.
    status=0
    ran=0
    for b in "$BUILD"/bench/bench_*; do
      [ -f "$b" ] && [ -x "$b" ] || continue
      ran=$((ran + 1))
      name=$(basename "$b")
      if ! out=$(QT_QPA_PLATFORM=offscreen "$b" 2>"$BUILD/$name.log"); then
        [ -n "$out" ] && echo "$out"
        cat "$BUILD/$name.log" >&2
        echo "$name failed (log: $BUILD/$name.log)" >&2
        status=1
      elif ! grep -qE '^[a-z0-9_]+=' <<<"$out"; then
        cat "$BUILD/$name.log" >&2
        echo "$name printed no figure (log: $BUILD/$name.log)" >&2
        status=1
      else
        echo "$out"
      fi
    done
    if [ "$ran" -eq 0 ]; then
      echo "no benchmark programs in $BUILD/bench" >&2
      status=1
    fi
    exit "$status" ;;
  *)     echo "usage: $0 [run|test|bench]" >&2; exit 2 ;;
esac
