#!/usr/bin/env bash
# Installs what the build needs, builds Brightfold and shows the bundled sample book.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/bootstrap
cmake -S . -B build -G Ninja
cmake --build build -j 2

book=build/samples/guide.zeb
echo "== zebtool info $book"
build/app/zebtool/zebtool info "$book"
echo "== zebtool pages $book"
build/app/zebtool/zebtool pages "$book"
