#!/usr/bin/env bash
# Installs what the build needs, builds Brightfold and opens the bundled sample book in the
# reader. Without a display it says so, prints what the book holds and draws its cover page
# as the reader draws it (build/samples/guide-cover.png).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/bootstrap
cmake -S . -B build -G Ninja
cmake --build build -j 2

book=build/samples/guide.zeb
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/brightfold/brightfold "$book"
fi

echo "== no display: the reader needs one (set DISPLAY, or run under xvfb-run); here is the book instead"
zebtool=build/app/zebtool/zebtool
echo "== zebtool info $book"
info=$("$zebtool" info "$book")
echo "$info"
echo "== zebtool pages $book"
"$zebtool" pages "$book"
cover=$(sed -n 's/^cover: //p' <<<"$info")
image=build/samples/guide-cover.png
QT_QPA_PLATFORM=offscreen "$zebtool" render "$book" "$cover" "$image" 2>/dev/null
echo "== the cover page, rendered: $image"
