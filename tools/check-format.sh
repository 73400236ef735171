#!/bin/sh
# Checks the C++ sources against .clang-format: lists every file that differs
# and fails if any does. With --fix, rewrites them instead.
#   sh tools/check-format.sh [--fix]
set -eu
cd "$(dirname "$0")/.."

folders="src tests bench fuzz tools/artwork"
command -v clang-format >/dev/null 2>&1 || { echo "check-format.sh: clang-format is missing (sh setup.sh format installs it)" >&2; exit 1; }

# Every verdict names the formatter that gave it: releases of clang-format can
# lay the same code out differently.
version=$(clang-format --version | sed 's/^.*clang-format version \([^ ]*\).*$/\1/')

# shellcheck disable=SC2086 # the folders are words
files=$(find $folders \( -name '*.cpp' -o -name '*.h' \) | sort)

if [ "${1:-}" = "--fix" ]; then
    # shellcheck disable=SC2086
    clang-format -i $files
    exit 0
fi

differ=""
for f in $files; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || differ="$differ $f"
done
if [ -n "$differ" ]; then
    echo "These files differ from .clang-format (clang-format $version); make format rewrites them:" >&2
    # shellcheck disable=SC2086 # one file a line
    printf '  %s\n' $differ >&2
    exit 1
fi
echo "check-format.sh: $(printf '%s\n' "$files" | wc -l) files match .clang-format (clang-format $version)"
