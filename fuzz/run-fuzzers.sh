#!/usr/bin/env bash
# Runs each fuzz target for a fixed time, keeps the inputs that reached new paths in the
# target's committed corpus (minimised with -merge=1), and prints each target's executions and
# coverage at the end of its time.
#
#   fuzz/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
#
# TARGET is a name such as board_text; without one, every fuzz_* program in BUILD_DIR/fuzz runs.
set -euo pipefail

build=$(cd "$1" && pwd)
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$build"/fuzz/fuzz_*; do
    targets+=("$(basename "$program" | sed 's/^fuzz_//')")
  done
fi

# The settings-store target writes a file per input: on a memory file system that is fast.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

summary="$build/fuzz-summary.txt"
printf '%-16s %8s %12s %8s %8s %8s\n' target seconds executions cov ft corpus | tee "$summary"
status=0
for target in "${targets[@]}"; do
  program="$build/fuzz/fuzz_$target"
  corpus="$here/corpus/$target"
  work="$build/fuzz-work/$target"
  rm -rf "$work"
  mkdir -p "$work/new" "$work/merged" "$corpus"
  if ! "$program" -max_total_time="$seconds" -timeout=10 -max_len=1024 -print_final_stats=1 \
      -artifact_prefix="$work/" "$work/new" "$corpus" >"$work/fuzz.log" 2>&1; then
    echo "fuzz_$target stopped on a fault: see $work/fuzz.log and the crash-* file beside it"
    status=1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log")
  coverage=$(grep -E '^#[0-9]+' "$work/fuzz.log" | tail -1 |
    sed -n 's/.*cov: \([0-9]*\) ft: \([0-9]*\).*/\1 \2/p')
  "$program" -merge=1 -timeout=10 -max_len=1024 "$work/merged" "$corpus" "$work/new" \
    >"$work/merge.log" 2>&1
  find "$corpus" -type f -delete
  cp "$work/merged"/* "$corpus"/
  files=$(find "$corpus" -type f | wc -l)
  printf '%-16s %8s %12s %8s %8s %8s\n' "$target" "$seconds" "${executions:-?}" \
    ${coverage:-? ?} "$files" | tee -a "$summary"
done
exit $status
