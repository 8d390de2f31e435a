#!/usr/bin/env bash
# Fails when a C++ file of ours differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
else
  mapfile -t files < <(find bench src tests tools -name '*.cpp' -o -name '*.h')
fi
bad=0
for file in "${files[@]}"; do
  [[ -f "$file" ]] || continue
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file (run: clang-format -i $file)"
    bad=1
  fi
done
exit $bad
