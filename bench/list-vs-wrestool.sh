#!/usr/bin/env bash
# Time of `glyphsmith-cli list` against `wrestool -l` (Debian: icoutils) on the
# same files: a program of 1,000 icon groups built with the tests' builder
# (about 13 MiB), and, where Debian's nsis package is installed, its Windows
# stub programs. Each run is a new process reading the file, as from a script.
# Usage: bench/list-vs-wrestool.sh [build-dir] [runs]
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
runs="${2:-50}"
cli="$build/src/cli/glyphsmith-cli"
writer="$build/bench/write_large_program"
[ -x "$cli" ] && [ -x "$writer" ] || { echo "build first (cmake --build build --target glyphsmith-cli write_large_program)"; exit 1; }
command -v wrestool >/dev/null || { echo "wrestool is missing: apt-get install icoutils"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$writer" "$work/large.dll" 1000

# Runs "$@" $runs times; prints wall-clock and CPU (user + system) milliseconds per run.
measure() {
  local start end cpu0 cpu1 i me=$BASHPID
  "$@" >/dev/null 2>&1  # warm the caches
  cpu0=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$me/stat)
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$@" >/dev/null 2>&1; done
  end=$(date +%s%N)
  cpu1=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$me/stat)
  awk -v w=$((end - start)) -v c=$((cpu1 - cpu0)) -v n=$runs -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%.2f %.2f\n", w / 1e6 / n, c * 1000 / hz / n }'
}

# Both must see the same icons before they are timed.
ours=$("$cli" list "$work/large.dll" | wc -l)
theirs=$(wrestool -l --type=14 "$work/large.dll" | wc -l)
[ "$ours" -eq 1000 ] && [ "$theirs" -eq 1000 ] || { echo "the tools disagree: $ours and $theirs icons"; exit 1; }

printf '%-44s %8s %8s\n' "ms per run ($runs runs)" wall cpu
compare() {
  local label="$1" file="$2" ow oc tw tc
  read -r ow oc < <(measure "$cli" list "$file")
  read -r tw tc < <(measure wrestool -l "$file")
  printf '%-44s %8s %8s\n' "glyphsmith-cli list, $label" "$ow" "$oc"
  printf '%-44s %8s %8s\n' "wrestool -l, $label" "$tw" "$tc"
  awk -v a="$tw" -v b="$ow" -v c="$tc" -v d="$oc" -v l="$label" \
    'BEGIN { printf "%-44s %8.2f %8.2f\n", "wrestool / glyphsmith-cli, " l, a / b, (d > 0 ? c / d : 0) }'
}
compare "1,000 groups (13 MiB)" "$work/large.dll"
stub=/usr/share/nsis/Stubs/lzma-x86-unicode
[ -f "$stub" ] && compare "nsis stub $(basename "$stub")" "$stub"
# Windows programs installed here with Python's packaging tools, where present.
for real in $(find / -xdev -name 'w64.exe' -path '*distlib*' 2>/dev/null | head -1); do
  compare "$(basename "$real") ($(($(stat -c %s "$real") / 1024)) KiB)" "$real"
done
