# Every #include points into the file's own folder or a lower layer, in the order that
# docs/architecture.md lists under "Layers". Then the same check on a scratch checkout with
# one include pointing upward must fail, so a check that cannot see anything never passes.
# Run from the top of the checkout.
set -euo pipefail

# Prints one line per include into a higher layer; fails when there is one, or when the
# layer list or a layer's folder is missing, or a folder of sources is in no layer.
check_layers() {
    local root=$1 layers status=0
    mapfile -t layers < <(awk '/^## Layers/ { on = 1; next } /^## / { on = 0 }
        on && match($0, /^[0-9]+\. `[a-z_]+`/) {
            name = substr($0, RSTART, RLENGTH); sub(/^[0-9]+\. `/, "", name)
            sub(/`$/, "", name); print name }' "$root/docs/architecture.md")
    if [ ${#layers[@]} -lt 2 ]; then
        echo "no layer list under \"## Layers\" in $root/docs/architecture.md"
        return 1
    fi
    declare -A rank=()
    local i
    for i in "${!layers[@]}"; do
        rank[${layers[$i]}]=$i
    done
    local files folder
    files=$(git -C "$root" ls-files '*.cpp' '*.h')
    [ -n "$files" ] || { echo "git lists no sources in $root"; return 1; }
    # Programs, build-time tools, tests and benchmarks sit above every layer and may
    # include from any.
    for folder in $(printf '%s\n' "$files" | grep / | cut -d/ -f1 | sort -u); do
        case $folder in tests | tools | bench | fuzz | resources) continue ;; esac
        if [ -z "${rank[$folder]:-}" ]; then
            echo "$folder: sources in no layer of docs/architecture.md"
            status=1
        fi
    done
    local file line text target
    while IFS=: read -r file line text; do
        folder=${file%%/*}
        target=${text#*\"}
        target=${target%%/*}
        if [ -n "${rank[$folder]:-}" ] && [ -n "${rank[$target]:-}" ] &&
            [ "${rank[$target]}" -gt "${rank[$folder]}" ]; then
            echo "$file:$line: $folder includes from $target, a higher layer"
            status=1
        fi
    done < <(cd "$root" && printf '%s\n' "$files" | xargs grep -nE '^#include "[a-z_]+/' || true)
    return $status
}

check_layers "$PWD" || { echo "FAIL: includes against the layers" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/docs" "$scratch/platform" "$scratch/app"
cp docs/architecture.md "$scratch/docs/"
echo '#include "platform/lower.h"' >"$scratch/app/higher.h"
echo '#include "app/higher.h"' >"$scratch/platform/lower.h"
git -C "$scratch" init -q && git -C "$scratch" add .
if found=$(check_layers "$scratch"); then
    echo "FAIL: an include from platform into app went unnoticed" >&2
    exit 1
fi
grep -q '^platform/lower.h:1: platform includes from app' <<<"$found" || {
    echo "FAIL: the upward include was not the one reported: $found" >&2
    exit 1
}
echo "include layers: $(git ls-files '*.cpp' '*.h' | wc -l) files checked"
