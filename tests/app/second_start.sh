#!/usr/bin/env bash
# A second start while the program runs ends at once and silently; the first one goes on.
set -u
program=$1
dir=$(mktemp -d)
trap 'kill $first 2>/dev/null; wait $first 2>/dev/null; rm -rf "$dir"' EXIT
cd "$dir"
export QT_QPA_PLATFORM=offscreen
"$program" >first.log 2>&1 &
first=$!
# The first run holds the lock once it has made its database.
for _ in $(seq 100); do
    [ -f zedaviz.sqlite3 ] && break
    sleep 0.1
done
[ -f zedaviz.sqlite3 ] || { echo "the first run made no database (is Torvane running on this machine?)"; exit 1; }
timeout 10 "$program" >second.log 2>&1
rc=$?
[ $rc -eq 0 ] || { echo "the second start ended with $rc"; exit 1; }
[ -s second.log ] && grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints second.log && {
    echo "the second start said something"; exit 1; }
kill -0 $first 2>/dev/null || { echo "the first run ended"; cat first.log; exit 1; }
echo "second start ended silently"
