#!/usr/bin/env bash
# Whole tasks with the part-timer task through the command-line program: for
# each class count, grid mode and task list, `korvella-cli new --seed N --tasks
# LIST` for seeds FIRST..LAST, then `check` on the stored file. Prints per size:
# runs, the share of runs whose step 13 calculated, failures of step 13 with and
# without the expected text, the share of whole tasks that finished and passed
# `check`, step 13's wall time (99th percentile and worst, as the chain prints it,
# in milliseconds) and the most colouring tries (shuffles) used.
#
# usage: bench/part_time_sweep.sh [-c "5 10 17 23 28"] [-m "6x6 5x7"] [-t "parttime parttime,rooms"]
#                                 [-s FIRST] [-n LAST] [-b BUILD_DIR] [-k]   (-k keeps the per-run log)
set -euo pipefail

classes="5 10 17 23 28"
modes="6x6 5x7"
tasks="parttime parttime,rooms"
first=1
last=300
build="build"
keep=0
while getopts "c:m:t:s:n:b:k" opt; do
  case "$opt" in
    c) classes="$OPTARG" ;;
    m) modes="$OPTARG" ;;
    t) tasks="$OPTARG" ;;
    s) first="$OPTARG" ;;
    n) last="$OPTARG" ;;
    b) build="$OPTARG" ;;
    k) keep=1 ;;
    *) exit 2 ;;
  esac
done
cli="$build/cli/korvella-cli"
[ -x "$cli" ] || { echo "no $cli: build korvella-cli first" >&2; exit 2; }

failure_text="При таких ограничениях решение задачи для совместителей не существует."

work=$(mktemp -d)
log="$work/runs.tsv"
trap '[ "$keep" = 1 ] || rm -rf "$work"' EXIT

# One line per run: tasks classes mode seed step13 text_ok step13_ms shuffles whole check
for T in $tasks; do
  for C in $classes; do
    for M in $modes; do
      for ((N = first; N <= last; N++)); do
        data="$work/data"
        rm -rf "$data" && mkdir -p "$data"
        code=0
        out=$("$cli" --data-dir "$data" new --seed "$N" --classes "$C" --mode "$M" --tasks "$T" 2>&1) || code=$?
        checked=fail
        "$cli" --data-dir "$data" check > "$work/check.txt" 2>&1 && checked=pass
        line=$(printf '%s\n' "$out" | grep -E '^13 ' || true)
        outcome=$(printf '%s' "$line" | sed -nE 's/.*\) +(calculated|calculation failed|calculation stopped|not calculated),.*/\1/p')
        [ -n "$outcome" ] || outcome="no_step_13"
        text_ok=-
        if [ "$outcome" = "calculation failed" ]; then
          text_ok=no
          case "$line" in *"$failure_text"*) text_ok=yes ;; esac
        fi
        t13=$(printf '%s' "$line" | sed -nE 's/.*, ([0-9.]+) s,.*/\1/p')
        shuffles=$(printf '%s' "$line" | sed -nE 's/.*shuffles ([0-9]+).*/\1/p')
        whole=fail
        [ "$code" = 0 ] && whole=pass
        if [ "$checked" = fail ] && [ "$keep" = 1 ]; then cp "$work/check.txt" "$work/check_${T}_${C}_${M}_${N}.txt"; fi
        printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$T" "$C" "$M" "$N" "${outcome// /_}" "$text_ok" \
          "${t13:-0}" "${shuffles:-0}" "$whole" "$checked" >> "$log"
      done
    done
  done
done

awk -F'\t' '
function pct(a, n, p,   k) { k = int(p * n + 0.999999); if (k < 1) k = 1; if (k > n) k = n; return a[k] }
function sortn(a, n,   i, j, t) { for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t } }
{
  key = $1 "\t" $2 "\t" $3; if (!(key in runs)) order[++nk] = key
  runs[key]++
  if ($5 == "calculated") done13[key]++
  else if ($6 == "yes") failtext[key]++
  else failother[key]++
  if ($9 == "pass" && $10 == "pass") whole[key]++
  if ($10 == "fail") badcheck[key]++
  n = runs[key]; t13[key, n] = $7 * 1000; sh[key, n] = $8
  all_runs++; all_done += ($5 == "calculated"); all_whole += ($9 == "pass" && $10 == "pass")
  all_t[all_runs] = $7 * 1000
}
END {
  printf "%-15s %-3s %-4s %5s | %8s %6s %6s | %8s %6s | %22s | %s\n", "tasks", "C", "mode", "runs",
         "step13%", "fail", "other", "whole%", "badck", "step 13 ms: p99/worst", "shuffles max"
  for (i = 1; i <= nk; i++) {
    key = order[i]; n = runs[key]
    for (j = 1; j <= n; j++) { s[j] = t13[key, j]; r[j] = sh[key, j] }
    sortn(s, n); sortn(r, n)
    split(key, kk, "\t")
    printf "%-15s %-3s %-4s %5d | %8.2f %6d %6d | %8.2f %6d | %10.1f / %9.1f | %d\n", kk[1], kk[2], kk[3], n,
           100 * done13[key] / n, failtext[key], failother[key], 100 * whole[key] / n, badcheck[key],
           pct(s, n, 0.99), s[n], r[n]
  }
  sortn(all_t, all_runs)
  printf "all: %d runs, step 13 calculated %.2f%%, whole task %.2f%%, step 13 ms p99 %.1f, worst %.1f\n",
         all_runs, 100 * all_done / all_runs, 100 * all_whole / all_runs, pct(all_t, all_runs, 0.99), all_t[all_runs]
}' "$log"
if [ "$keep" = 1 ]; then echo "per-run log: $log"; fi
awk -F'\t' '$5 != "calculated" && $6 != "yes" { print "step 13 neither calculated nor failed with the text: " $1 " classes " $2 " mode " $3 " seed " $4 " (" $5 ")" }' "$log"
awk -F'\t' '$10 == "fail" { print "check failed: " $1 " classes " $2 " mode " $3 " seed " $4 }' "$log" | head -20
