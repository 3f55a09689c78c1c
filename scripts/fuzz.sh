#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets (preset fuzz, clang, in build-fuzz/), replays each seed corpus,
# then runs each target for a bounded time from a copy of its seeds. Fails on any crash, leak,
# timeout, sanitizer report or broken property; the input that caused it is kept in
# build-fuzz/artifacts/. Prints the executions of each target.
# Usage: scripts/fuzz.sh [seconds per target, default 45]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-45}
[[ $seconds =~ ^[0-9]+$ ]] || { echo "fuzz: seconds must be a whole number" >&2; exit 2; }
targets=(fuzz_twips_text fuzz_lookup fuzz_cli)

scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
ctest --preset fuzz

artifacts=$PWD/build-fuzz/artifacts
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
summary=()
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    log=$work/$target.log
    echo "fuzz: $target for ${seconds}s"
    status=0
    # New inputs go to the scratch folder (first); the committed seeds are only read.
    build-fuzz/bin/"$target" "$work/$target" "fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-" >"$log" 2>&1 || status=$?
    runs=$(awk '/^stat::number_of_executed_units/ {print $NF}' "$log")
    if [ "$status" -ne 0 ]; then
        failed=1
        echo "fuzz: $target FAILED (exit $status); its log:" >&2
        tail -n 40 "$log" >&2
    fi
    summary+=("$(printf '%-16s %12s executions in %ss, exit %s' "$target" "${runs:-?}" \
        "$seconds" "$status")")
done

printf 'fuzz: %s\n' "${summary[@]}"
[ "$failed" -eq 0 ] || { echo "fuzz: failed; inputs kept in $artifacts" >&2; exit 1; }
echo "fuzz: every target ran clean"
