#!/usr/bin/env bash
# Fails when a file under src/ outside ui/qt and app includes a Qt header.
set -u
src=$1
hits=$(grep -rlE '#\s*include\s*<Q[A-Za-z]' "$src" | grep -vE "^$src/(ui/qt|app)/" || true)
if [ -n "$hits" ]; then
  echo "Qt headers outside the windows:"
  echo "$hits"
  exit 1
fi
echo "no Qt header outside src/ui/qt and src/app"
