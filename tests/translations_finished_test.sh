#!/usr/bin/env bash
# Every message of every language's translation file is translated: a text added to the
# program without its translations fails here, where lrelease would quietly show English.
# Usage: translations_finished_test.sh LRELEASE TS_FILE...
set -euo pipefail
lrelease=$1
shift
[ $# -gt 0 ] || { echo "no translation files given" >&2; exit 1; }
status=0
for ts in "$@"; do
  report=$("$lrelease" "$ts" -qm /dev/null 2>&1)
  counts=$(grep -Eo '[0-9]+ finished and [0-9]+ unfinished' <<<"$report") || {
    echo "$ts: lrelease gave no counts: $report" >&2
    status=1
    continue
  }
  unfinished=${counts##* and }
  unfinished=${unfinished%% *}
  if [ "$unfinished" != 0 ]; then
    echo "$(basename "$ts"): $counts" >&2
    status=1
  fi
done
exit $status
