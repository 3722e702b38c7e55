#!/bin/sh
# Runs every benchmark for each journal size and prints one table of their figures: each
# figure with its ratio to the anchor measured in the same run. The full output of each run
# is kept in build/bench-logs/.
#
# bench/table.sh [BIN_DIR] [SIZES...]   (default build/bin, 10000 100000 1000000)
set -eu
bin=${1:-build/bin}
[ $# -gt 0 ] && shift
sizes=${*:-10000 100000 1000000}
logs=$(dirname "$bin")/bench-logs
mkdir -p "$logs"
export QT_QPA_PLATFORM=offscreen
all="$logs/table.txt"
: >"$all"
for n in $sizes; do
    for b in bench_store bench_journal bench_ledger bench_reports; do
        log="$logs/$b-$n.txt"
        echo "running $b $n" >&2
        if ! "$bin/$b" "$n" >"$log" 2>&1; then
            echo "  $b $n ended with an error, see $log" >&2
        fi
        grep '^#T|' "$log" | sed "s/^#T|/$n|/" >>"$all" || true
    done
done
awk -F'|' -v sizes="$sizes" '
    BEGIN { ns = split(sizes, size, " ") }
    {
        key = $2
        if (!(key in seen)) { seen[key] = 1; order[++rows] = key; anchor[key] = $3 }
        cell[key, $1] = ($5 == "") ? $4 : sprintf("%s %5sx", $4, $5)
    }
    END {
        printf "%-46s", "figure (ratio to its anchor)"
        for (i = 1; i <= ns; i++) printf " | %22s", size[i] " lines"
        printf " | anchor\n"
        for (r = 1; r <= rows; r++) {
            k = order[r]
            printf "%-46s", k
            for (i = 1; i <= ns; i++) {
                c = ((k, size[i]) in cell) ? cell[k, size[i]] : "-"
                printf " | %22s", c
            }
            printf " | %s\n", anchor[k]
        }
    }' "$all"
