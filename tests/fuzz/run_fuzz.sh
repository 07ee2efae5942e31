#!/usr/bin/env bash
# Runs a built configuration fuzzer for a bounded time on a copy of the seed corpus, so the
# repository stays clean. Fails when the fuzzer reports a finding (crash, sanitizer report,
# broken property, leak, timeout or memory limit). Builds nothing itself.
# Usage: run_fuzz.sh FUZZER_BINARY [SECONDS]
set -euo pipefail

fuzzer="${1:?usage: run_fuzz.sh FUZZER_BINARY [SECONDS]}"
seconds="${2:-60}"
corpus_dir="$(cd "$(dirname "$0")" && pwd)/corpus"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/artifacts"
cp "$corpus_dir"/* "$work/corpus/"

status=0
"$fuzzer" "$work/corpus" \
    -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=10 -max_len=4096 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1 || status=$?

if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/artifacts")" ]; then
    echo "config fuzzer found a problem (exit status $status); reproducers:" >&2
    for artifact in "$work/artifacts"/*; do
        [ -e "$artifact" ] || continue
        echo "--- $(basename "$artifact")" >&2
        od -c "$artifact" | head -20 >&2
    done
    exit 1
fi
echo "config fuzzer: no findings in ${seconds} s"
