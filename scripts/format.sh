#!/usr/bin/env bash
# Formats every C++ file of the tree with .clang-format.
#   scripts/format.sh           formats the files in place
#   scripts/format.sh --check   changes nothing; names each file that is not formatted and
#                               fails if there is one
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG_FORMAT="${CLANG_FORMAT:-clang-format}"

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests tools fuzz bench -name '*.cpp' -o -name '*.h' | sort)
fi

if [ "${1:-}" != "--check" ]; then
  "$CLANG_FORMAT" -i --style=file "${files[@]}"
  exit 0
fi

unformatted=()
for f in "${files[@]}"; do
  if ! "$CLANG_FORMAT" --style=file --dry-run --Werror "$f" >/dev/null 2>&1; then unformatted+=("$f"); fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted as .clang-format says (run scripts/format.sh):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "All ${#files[@]} C++ files are formatted."
