#!/usr/bin/env bash
# Checks that every C++ file of the repository is laid out as .clang-format
# says; lists the files that are not. `scripts/check-format.sh --fix`
# rewrites them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh checks >/dev/null
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ ${1:-} == --fix ]]; then
  clang-format -i "${files[@]}"
  exit 0
fi
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! clang-format --dry-run -Werror "${files[@]}" 2>"$report"; then
  grep -o '^[^:]*:[0-9]*' "$report" | sort -u | head -40 >&2
  echo "check-format: the lines above differ from .clang-format's layout;" \
       "scripts/check-format.sh --fix rewrites them" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files laid out as .clang-format says"
