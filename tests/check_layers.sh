#!/usr/bin/env bash
# Fails when an include under src/ points up the layers (format/model -> engine/units -> project
# -> building/results -> io -> ui -> ui/qt -> cli, app), or when a layer library's link list in
# src/CMakeLists.txt differs from the layers its files include.
set -u
src=$1
declare -A rank=([format]=0 [model]=0 [engine]=1 [units]=1 [project]=2 [building]=3 [results]=3
                 [io]=4 [ui]=5 [ui/qt]=6 [cli]=7 [app]=7)
status=0
declare -A uses

layer_of() { # a path below src/ or an include path: its layer
  case "$1" in
    ui/qt/*) echo "ui/qt" ;;
    *) echo "${1%%/*}" ;;
  esac
}

while IFS= read -r file; do
  rel=${file#"$src"/}
  from=$(layer_of "$rel")
  [ -n "${rank[$from]+x}" ] || continue
  while IFS= read -r included; do
    to=$(layer_of "$included")
    [ -n "${rank[$to]+x}" ] || continue
    if [ "$to" != "$from" ]; then
      uses[$from]="${uses[$from]:-} $to"
      if [ "${rank[$to]}" -ge "${rank[$from]}" ]; then
        echo "src/$rel includes $included: $to is not below $from"
        status=1
      fi
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.h' -o -name '*.cpp')

# pmsect_layer(pmsect_NAME folder dependencies...) lines of src/CMakeLists.txt.
while read -r name folder rest; do
  listed=$(for d in $rest; do case "$d" in pmsect_*) echo "${d#pmsect_}" ;; esac; done | sort -u |
           tr '\n' ' ')
  included=$(for d in ${uses[$folder]:-}; do echo "$d"; done | sort -u | tr '\n' ' ')
  if [ "$listed" != "$included" ]; then
    echo "pmsect_$name links [ $listed] but its files include [ $included]"
    status=1
  fi
done < <(sed -n 's/^pmsect_layer(pmsect_\([a-z]*\) \([a-z]*\)\(.*\))$/\1 \2 \3/p' \
           "$src/CMakeLists.txt")

if [ $status -eq 0 ]; then
  echo "every include points down the layers; every layer links what it includes"
fi
exit $status
