#!/usr/bin/env bash
# Whole tasks through the command-line program: for each class count and grid
# mode, `korvella-cli new --seed N` for seeds FIRST..LAST, then `check` on the
# stored timetable. Prints per size: runs, finished and accepted by check,
# failed with the calculation's outcome, the wall time of the whole process and
# of step 29 (median, 99th and 99.9th percentile, worst), iterations and attempts.
#
# usage: bench/whole_task.sh [-c "5 10 20 28"] [-m "6x6 5x7"] [-s FIRST] [-n LAST]
#                            [-t TASKS] [-b BUILD_DIR] [-k]   (-k keeps the per-run log;
#                            -t passes --tasks TASKS to new, e.g. -t rooms)
set -euo pipefail

classes="5 10 20 28"
modes="6x6 5x7"
first=1
last=100
build="build"
keep=0
tasks=()
while getopts "c:m:s:n:t:b:k" opt; do
  case "$opt" in
    c) classes="$OPTARG" ;;
    m) modes="$OPTARG" ;;
    s) first="$OPTARG" ;;
    n) last="$OPTARG" ;;
    t) tasks=(--tasks "$OPTARG") ;;
    b) build="$OPTARG" ;;
    k) keep=1 ;;
    *) exit 2 ;;
  esac
done
cli="$build/cli/korvella-cli"
[ -x "$cli" ] || { echo "no $cli: build korvella-cli first" >&2; exit 2; }

work=$(mktemp -d)
log="$work/runs.tsv"
trap '[ "$keep" = 1 ] || rm -rf "$work"' EXIT

# One line per run: classes mode seed outcome check wall_ms step29_ms iterations attempt
for C in $classes; do
  for M in $modes; do
    for ((N = first; N <= last; N++)); do
      data="$work/data"
      rm -rf "$data" && mkdir -p "$data"
      t0=$(date +%s%N)
      out=$("$cli" --data-dir "$data" new --seed "$N" "${tasks[@]}" --classes "$C" --mode "$M" 2>&1) || true
      t1=$(date +%s%N)
      checked=fail
      "$cli" --data-dir "$data" check > /dev/null 2>&1 && checked=pass
      line=$(printf '%s\n' "$out" | grep -E '^29 ' || true)
      outcome=$(printf '%s' "$line" | sed -nE 's/.*\) +(calculated|calculation failed|calculation stopped|not calculated),.*/\1/p')
      [ -n "$outcome" ] || outcome="no step 29"
      t29=$(printf '%s' "$line" | sed -nE 's/.*, ([0-9.]+) s,.*/\1/p')
      iters=$(printf '%s' "$line" | sed -nE 's/.*iterations ([0-9]+).*/\1/p')
      attempt=$(printf '%s' "$line" | sed -nE 's/.*attempt ([0-9]+).*/\1/p')
      printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$C" "$M" "$N" "${outcome// /_}" "$checked" \
        "$(( (t1 - t0) / 1000000 ))" "${t29:-0}" "${iters:-0}" "${attempt:-0}" >> "$log"
    done
  done
done

awk -F'\t' '
function pct(a, n, p,   k) { k = int(p * n + 0.999999); if (k < 1) k = 1; if (k > n) k = n; return a[k] }
function sortn(a, n,   i, j, t) { for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t } }
{
  key = $1 "\t" $2; if (!(key in runs)) order[++nk] = key
  runs[key]++
  if ($4 == "calculated" && $5 == "pass") ok[key]++
  else if ($4 == "calculated") badcheck[key]++
  else fail[key]++
  n = runs[key]; wall[key, n] = $6; t29[key, n] = $7 * 1000; it[key, n] = $8; at[key, n] = $9
}
END {
  printf "%-4s %-4s %5s %7s %5s %5s | %22s | %31s | %13s | %s\n", "C", "mode", "runs", "ok%", "fail", "badck",
         "whole run ms: med/worst", "step 29 ms: med/p99/p99.9/worst", "iters med/max", "attempts max"
  for (i = 1; i <= nk; i++) {
    key = order[i]; n = runs[key]
    for (j = 1; j <= n; j++) { w[j] = wall[key, j]; s[j] = t29[key, j]; r[j] = it[key, j]; a[j] = at[key, j] }
    sortn(w, n); sortn(s, n); sortn(r, n); sortn(a, n)
    split(key, kk, "\t")
    printf "%-4s %-4s %5d %7.2f %5d %5d | %10d / %9d | %6.1f / %6.1f / %6.1f / %7.1f | %5d / %5d | %d\n",
           kk[1], kk[2], n, 100 * ok[key] / n, fail[key], badcheck[key],
           pct(w, n, 0.5), w[n], pct(s, n, 0.5), pct(s, n, 0.99), pct(s, n, 0.999), s[n], pct(r, n, 0.5), r[n], a[n]
  }
}' "$log"
if [ "$keep" = 1 ]; then echo "per-run log: $log"; fi
awk -F'\t' '!($4 == "calculated" && $5 == "pass") { print "not finished: classes " $1 " mode " $2 " seed " $3 " (" $4 ", check " $5 ")" }' "$log"
