#!/usr/bin/env bash
# Formats every C++ file of the project by its .clang-format.
#   scripts/format.sh           rewrites the files in place
#   scripts/format.sh --check   changes nothing; lists what differs and fails when anything does
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = --check ]; then
    exec clang-format --dry-run --Werror "${files[@]}"
fi
clang-format -i "${files[@]}"
