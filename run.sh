#!/usr/bin/env bash
# ./run.sh        installs what is missing, builds, starts vondari
# ./run.sh test   installs what is missing, builds, runs the whole test suite
# ./run.sh bench  installs what is missing, builds, runs the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

# Debian packages: compiler and CMake, Qt 6 Widgets/PrintSupport/Test, SQLite 3, GoogleTest,
# libgl-dev (Qt6Gui's CMake package needs the OpenGL headers), Japanese fonts for the windows.
PACKAGES=(g++ cmake make qt6-base-dev libgl-dev libsqlite3-dev libgtest-dev fonts-ipafont-gothic)
# Test-only: clang-format 14 (Debian 12's) for the style check in .ci/run; poppler-utils (pdftotext) to read
# printed sheets back.
if [ "${1:-run}" = test ]; then PACKAGES+=(clang-format poppler-utils); fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

BUILD=${BUILD_DIR:-build}
JOBS=$(nproc)
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
mkdir -p "$BUILD"
if ! cmake --build "$BUILD" -j "$JOBS" >"$BUILD/build.log" 2>&1; then
  grep -v -E '^\[ *[0-9]+%\]' "$BUILD/build.log" | tail -n 200
  echo "build failed (full log: $BUILD/build.log)" >&2
  exit 1
fi

case "${1:-run}" in
  run)   exec "$BUILD/bin/vondari" ;;
  test)  cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" --timeout 300 ;;
  bench) for b in "$BUILD"/bench/bench_*; do QT_QPA_PLATFORM=offscreen "$b"; done ;;
  *)     echo "usage: $0 [run|test|bench]" >&2; exit 2 ;;
esac
