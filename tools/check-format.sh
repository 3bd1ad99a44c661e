#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted as .clang-format says. Generated
# sources carry "// clang-format off" under their first line, so the formatter leaves them
# alone; `cmake --build build --target format` formats everything else.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=$(command -v clang-format || command -v clang-format-14)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find src tools tests bench fuzz -name '*.cpp' -o -name '*.h')
fi
"$clang_format" --dry-run -Werror "${files[@]}"
echo "check-format: ${#files[@]} files formatted as .clang-format says"
