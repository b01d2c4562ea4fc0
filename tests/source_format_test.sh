# Every C++ file tracked by git is in the repository's clang-format style. Run from the top
# of the checkout. Without git, or outside a checkout, there is nothing to check, and that
# fails rather than passing on an empty list.
set -euo pipefail

files=$(git ls-files '*.cpp' '*.h') || {
    echo "FAIL: git could not list the sources" >&2
    exit 1
}
[ -n "$files" ] || {
    echo "FAIL: git lists no C++ files in $PWD" >&2
    exit 1
}
printf '%s\n' "$files" | xargs clang-format --dry-run --Werror
echo "source format: $(printf '%s\n' "$files" | wc -l) files checked"
