#!/usr/bin/env bash
# Installs what the build needs, builds Brightfold and shows the bundled sample book: what the
# book holds, and its cover page drawn as the reader draws it (build/samples/guide-cover.png).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/bootstrap
cmake -S . -B build -G Ninja
cmake --build build -j 2

book=build/samples/guide.zeb
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
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null; then
  xdg-open "$image" >/dev/null 2>&1 || true
fi
