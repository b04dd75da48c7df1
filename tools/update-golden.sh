#!/usr/bin/env bash
# Rewrites the golden outputs of pmsect-cli for every project under tests/data/golden.
# Run it only for a deliberate change of results, and say why in the commit.
set -euo pipefail
cli=${1:-build/src/cli/pmsect-cli}
dir=tests/data/golden
for project in "$dir"/*.rcs; do
  name=${project%.rcs}
  "$cli" summary "$project" --json > "$name.summary.json"
  "$cli" point "$project" --c 7.5 --angle 30 --json > "$name.point.json"
  "$cli" curve "$project" --angle 90 --json > "$name.curve90.json"
  "$cli" curve "$project" --angle 30 --json > "$name.curve30.json"
  "$cli" contour "$project" --pn -100 --json > "$name.contour-100.json"
  "$cli" contour "$project" --pn 20 --json > "$name.contour20.json"
  "$cli" surface "$project" --sections 32 --json > "$name.surface32.json"
done
