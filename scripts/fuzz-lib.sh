# shellcheck shell=bash
# What scripts/fuzz-smoke and scripts/fuzz-long share: building the libFuzzer harnesses with
# clang in build-fuzz/, making the seeds, listing the harnesses (from fuzz/CMakeLists.txt,
# through the list the build writes) and filling each harness's corpus in
# build-fuzz/corpus/<harness>/. Sourced from the top of the tree.

fuzz_build=build-fuzz
fuzz_seeds="$fuzz_build/fuzz-seeds"

# Every sanitizer report ends the run as a finding: the harnesses are built not to recover
# from undefined behaviour, and both sanitizers halt on their first report; leaks are
# reported too.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

# Several harnesses write their input to a file for every run: in memory that is many times
# quicker than on a disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

# The Qt front is built too: the harness of the pages on the screen runs on Qt's offscreen
# platform.
fuzz_build_harnesses() {
  CC=clang CXX=clang++ cmake -S . -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFUZZ=ON -DBRIGHTFOLD_GUI=ON -DBRIGHTFOLD_TESTS=OFF -DBRIGHTFOLD_BENCH=OFF >/dev/null
  cmake --build "$fuzz_build" -j 2 --target fuzz_harnesses zebmake
}

# The generated seed sets, and the seeds kept in fuzz/seeds/<harness>/ made ready to copy:
# a book description (.json) becomes a book, and a file in .esc form becomes its bytes
# (printf %b escapes: \xHH for a byte, \\ for a backslash); other files are taken as they are.
fuzz_make_seeds() {
  local zebmake="$fuzz_build/tools/zebmake/zebmake"
  rm -rf "$fuzz_seeds"
  mkdir -p "$fuzz_seeds/books" "$fuzz_seeds/pictures" "$fuzz_seeds/gif" "$fuzz_seeds/jpeg" "$fuzz_seeds/bmp"
  "$zebmake" samples/guide.json "$fuzz_seeds/books/guide.zeb"
  "$zebmake" --synthetic 3 "$fuzz_seeds/books/synthetic.zeb" --page-bytes 300
  "$zebmake" --pictures "$fuzz_seeds/pictures"
  cp "$fuzz_seeds"/pictures/*.gif "$fuzz_seeds/gif/"
  cp "$fuzz_seeds"/pictures/*.jpg "$fuzz_seeds/jpeg/"
  cp "$fuzz_seeds"/pictures/*.bmp "$fuzz_seeds/bmp/"

  local folder seed name out
  for folder in fuzz/seeds/*/; do
    name=$(basename "$folder")
    out="$fuzz_seeds/own/fuzz_$name"
    mkdir -p "$out"
    for seed in "$folder"*; do
      [ -f "$seed" ] || continue
      case "$seed" in
        *.json) "$zebmake" "$seed" "$out/$(basename "$seed" .json).zeb" ;;
        *.esc) printf '%b' "$(cat "$seed")" >"$out/$(basename "$seed" .esc)" ;;
        *) cp "$seed" "$out/" ;;
      esac
    done
  done
}

# One line per harness: its executable name, then its generated seed sets.
fuzz_harness_list() {
  cat "$fuzz_build/fuzz/harnesses.txt"
}

# fuzz_prepare_corpus HARNESS [SET...]: the corpus folder, with every seed added that it
# lacks; prints its path.
fuzz_prepare_corpus() {
  local harness=$1
  shift
  local corpus="$fuzz_build/corpus/$harness"
  mkdir -p "$corpus"
  local set
  for set in "$@"; do
    cp -n "$fuzz_seeds/$set"/* "$corpus/" 2>/dev/null || true
  done
  if [ -d "$fuzz_seeds/own/$harness" ]; then
    cp -n "$fuzz_seeds/own/$harness"/* "$corpus/" 2>/dev/null || true
  fi
  echo "$corpus"
}
