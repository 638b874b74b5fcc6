#!/usr/bin/env bash
# Start-up time: from process start to the main window shown (offscreen), over
# 20 runs. Usage: bench/startup.sh [build-dir]
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
exe="$build/src/app/glyphsmith"
export QT_QPA_PLATFORM=offscreen GLYPHSMITH_QUIT_WHEN_SHOWN=1
"$exe" >/dev/null 2>&1  # warm the file cache
start=$(date +%s%N)
for _ in $(seq 20); do "$exe" >/dev/null 2>&1; done
end=$(date +%s%N)
echo "start-up to shown window: $(( (end - start) / 20000000 )) ms per run (mean of 20)"
