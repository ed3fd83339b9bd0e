#!/usr/bin/env bash
# Installs what the build needs, builds Brightfold and runs every test.
#
#   ./test.sh              normal build in build/, then the fuzz harnesses' smoke runs
#   ./test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
#   ./test.sh --no-fuzz    skip building and running the fuzz harnesses
set -euo pipefail
cd "$(dirname "$0")"

sanitize=0
fuzz=1
for argument in "$@"; do
  case "$argument" in
    --sanitize) sanitize=1 ;;
    --no-fuzz) fuzz=0 ;;
    *) echo "usage: ./test.sh [--sanitize] [--no-fuzz]" >&2; exit 2 ;;
  esac
done

./scripts/bootstrap

export QT_QPA_PLATFORM=offscreen
jobs=2

if [ "$sanitize" -eq 1 ]; then
  build=build-sanitize
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DBRIGHTFOLD_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  build=build
  cmake -S . -B "$build" -G Ninja
fi
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" --output-on-failure -j "$jobs"

if [ "$fuzz" -eq 1 ] && [ "$sanitize" -eq 0 ]; then
  ./scripts/fuzz-smoke
fi
