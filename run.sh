#!/usr/bin/env bash
# ./run.sh        installs what is missing, builds the program, starts vondari (needs a graphical session)
# ./run.sh test   installs what is missing, builds everything, runs the whole test suite
# ./run.sh bench  installs what is missing, builds the benchmarks, runs them
# ./run.sh test asan  the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}
variant=${2:-}
if [ -n "$variant" ] && { [ "$mode" != test ] || [ "$variant" != asan ]; }; then
  echo "usage: $0 [run|test|bench] | $0 test asan" >&2
  exit 2
fi

# The program is a window: without a display Qt could only fail with a confusing message, after the build.
if [ "$mode" = run ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if command -v xvfb-run >/dev/null && command -v xauth >/dev/null; then
    echo "vondari needs a graphical session (no DISPLAY is set); without one, start it as: xvfb-run ./run.sh" >&2
  else
    echo "vondari needs a graphical session (no DISPLAY is set); without one, apt-get install xvfb xauth," \
      "then: xvfb-run ./run.sh" >&2
  fi
  exit 1
fi

# Debian packages: compiler and CMake, Qt 6 Widgets/PrintSupport/Test and Qt's own Japanese texts, SQLite 3,
# GoogleTest, libgl-dev (Qt6Gui's CMake package needs the OpenGL headers), Japanese fonts for the windows.
PACKAGES=(g++ cmake make qt6-base-dev qt6-translations-l10n libgl-dev libxcb1-dev libsqlite3-dev libgtest-dev
          fonts-ipafont-gothic)
# Test-only: clang-format 14 (Debian 12's) for the style check in .ci/run; poppler-utils (pdftotext) to read
# printed sheets back.
if [ "$mode" = test ]; then PACKAGES+=(clang-format poppler-utils); fi
# The sanitizer build: clang 16, its sanitizer runtimes and llvm-symbolizer, which puts files and lines in the
# reports (gcc 12's UBSan reports a false failure on a call through a pointer to member).
if [ "$variant" = asan ]; then PACKAGES+=(clang-16 libclang-rt-16-dev llvm-16); fi
# Test-only, optional: a display server, a window manager and a key sender for the check of the main
# window under a real window manager; where they cannot be installed that check is skipped.
OPTIONAL=()
# xauth is only a recommendation of xvfb, and xvfb-run needs it.
if [ "$mode" = test ]; then OPTIONAL+=(xvfb xauth openbox icewm xfwm4 dbus-daemon xdotool); fi

# One dpkg-query for the whole list: one per package took a third of a second of every start.
missing_of() {
  (($#)) || return 0
  local -A installed=()
  local name status p
  while read -r name status; do
    [ "$status" != "install ok installed" ] || installed[$name]=1
  done < <(dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null || true)
  for p in "$@"; do
    [ -n "${installed[$p]:-}" ] || echo "$p"
  done
}
BUILD=${BUILD_DIR:-build}
if [ "$variant" = asan ]; then BUILD=$BUILD-asan; fi
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

# JOBS caps the build and ctest jobs (default: one per core).
JOBS=${JOBS:-$(nproc)}
CONFIGURE=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
# Warnings are errors under CI (.ci/run sets CI), and only there. The setting is checked on every run and
# the build re-configured when it differs, so switching between the two recompiles what it must.
werror=OFF
if [ -n "${CI+set}" ] && [ "$variant" != asan ]; then werror=ON; fi
CONFIGURE+=("-DCMAKE_COMPILE_WARNING_AS_ERROR:BOOL=$werror")
if [ "$variant" = asan ]; then
  # -O1 and line tables only keep the build and the suite quick enough for CI (a report still names file and
  # line); NDEBUG as in the ordinary build. Any report ends the process that makes it.
  sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
  CONFIGURE+=(-DCMAKE_CXX_COMPILER=clang++-16 "-DCMAKE_CXX_FLAGS=$sanitize"
              "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only -DNDEBUG" "-DCMAKE_EXE_LINKER_FLAGS=$sanitize")
  # The ordinary build holds the code to gcc's warnings; clang's own extra ones do not fail this one (werror
  # stays OFF above).
  # The build runs its programs too (test discovery, the template database), so the options hold for it
  # as well. Leaks are reported for the project's code; only those inside system libraries are suppressed.
  san_log=$(cd "$BUILD" && pwd)/sanitizer
  rm -rf "$san_log"
  mkdir -p "$san_log"
  reports="log_path=$san_log/report:log_exe_name=1"
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:$reports"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:$reports"
  export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
fi
# What each mode builds: the program with its program folder's database (the vondari target depends on it);
# the benchmarks with the template they copy; for the tests, everything.
case "$mode" in
  run) TARGET=vondari ;;
  bench) TARGET=benchmarks ;;
  *) TARGET=all ;;
esac
# A build with work to do says so first (a fresh machine takes minutes); an up-to-date one stays quiet.
noted=""
note_building() {
  [ -n "$noted" ] || echo "building… (log: $BUILD/build.log)"
  noted=1
}
# A start skips make when nothing can have changed since its last successful build: make's own check, even
# limited to the program, runs some 300 processes over its 20 targets (a second or more on a busy machine).
# Nothing in the source tree (the build folders and .git aside), the build's cache or the installed
# packages is newer than the stamp taken before that build's make, and the program and its database are there.
stamp=$BUILD/CMakeFiles/run-start.stamp
start_is_built() {
  [ "$mode" = run ] && [ -f "$stamp" ] && [ -x "$BUILD/bin/vondari" ] && [ -f "$BUILD/bin/pcdb.mdb" ] &&
    ! [ "$BUILD/CMakeCache.txt" -nt "$stamp" ] && ! [ /var/lib/dpkg/status -nt "$stamp" ] &&
    [ -z "$(find . \( -path './build*' -o -path ./.git \) -prune -o -newer "$stamp" -print -quit)" ]
}
build() {
  if [ ! -f "$BUILD/CMakeCache.txt" ] ||
    ! grep -qx "CMAKE_COMPILE_WARNING_AS_ERROR:BOOL=$werror" "$BUILD/CMakeCache.txt"; then
    note_building
    cmake -S . -B "$BUILD" "${CONFIGURE[@]}" >>"$BUILD/build.log" 2>&1 || return 1
  elif start_is_built; then
    return 0
  else
    # CMake's own check, quick when nothing changed; it re-runs CMake after an edit to a CMakeLists or a new
    # source file.
    cmake --build "$BUILD" --target cmake_check_build_system >>"$BUILD/build.log" 2>&1 || return 1
    if grep -q '^-- Configuring' "$BUILD/build.log"; then note_building; fi
  fi
  # Whatever changes from here on is newer than the stamp: make sees it now, the next start's check then.
  if [ "$mode" = run ]; then : >"$stamp.next"; fi
  # Make's dry run of the target lists a compile, link or generate step only for what is out of date. (The
  # MOC steps and the program folder's database step are listed every time; they build nothing when nothing
  # changed.)
  local plan
  plan=$(cmake --build "$BUILD" --target "$TARGET" -- -n 2>&1 || true)
  if grep -q -E '"(Building|Linking|Generating) ' <<<"$plan"; then note_building; fi
  cmake --build "$BUILD" --target "$TARGET" -j "$JOBS" >>"$BUILD/build.log" 2>&1 || return 1
  if [ "$mode" = run ]; then mv "$stamp.next" "$stamp"; fi
}
: >"$BUILD/build.log"
build_status=0
build || build_status=$?
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
    # A sanitizer report fails the run even when it came from a program a test started and did not check.
    if [ "$variant" = asan ] && [ -n "$(ls -A "$san_log")" ]; then
      reports=("$san_log"/*)
      echo "${#reports[@]} sanitizer report(s) in $san_log; the first:"
      for f in "${reports[@]:0:3}"; do
        echo "$f:"
        head -n 60 "$f"
      done
      test_status=1
    fi
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
