#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file does not match .clang-format.
# Mend with: clang-format-14 -i <files>
set -euo pipefail
cd "$(dirname "$0")/.."
list() {
    if git rev-parse --git-dir >/dev/null 2>&1; then
        git ls-files -z '*.cpp' '*.h'
    else
        find . \( -path ./build -o -path ./build-fuzz \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0
    fi
}
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! list | xargs -0 -r -P "$(nproc)" -n 40 clang-format-14 --dry-run -Werror 2>"$report"; then
    echo "Not formatted with .clang-format (mend with clang-format-14 -i):" >&2
    grep -o '^[^:]*\.\(cpp\|h\)' "$report" | sort -u | sed 's/^/  /' >&2
    exit 1
fi
