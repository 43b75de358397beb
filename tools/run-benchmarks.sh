#!/usr/bin/env bash
# Runs the benchmarks under bench/ and prints their figures. The ones that
# need a display get a private Xvfb.
set -euo pipefail
build=${1:-build}

echo "== Delay: pause length against floor(k) + 1 microseconds"
"$build/bench/delay_accuracy"

echo
echo "== Start-up to the first frame on screen, and peak memory, under Xvfb"
"$build/bench/startup_bench" "$build/drovane"

exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
read -r -t 10 -u "$displayfd" display
export DISPLAY=":$display"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

echo
echo "== One loop pass outside the pause, under Xvfb"
"$build/bench/loop_pass_bench"

