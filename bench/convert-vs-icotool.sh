#!/usr/bin/env bash
# Per-file conversion time of glyphsmith-cli against icotool (Debian: icoutils),
# 1,000 runs each on the same 32 x 32, 24-bit icon, each run writing a new file.
# Usage: bench/convert-vs-icotool.sh [build-dir]
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
cli="$build/src/cli/glyphsmith-cli"
runs=1000
[ -x "$cli" ] || { echo "build glyphsmith-cli first (cmake --build build --target glyphsmith-cli)"; exit 1; }
command -v icotool >/dev/null || { echo "icotool is missing: apt-get install icoutils"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The input: one 32 x 32 entry at 24 bits (3,240 image bytes at offset 22),
# its pixels noise, its mask clear.
{
  printf '\x00\x00\x01\x00\x01\x00'
  printf '\x20\x20\x00\x00\x01\x00\x18\x00\xa8\x0c\x00\x00\x16\x00\x00\x00'
  printf '\x28\x00\x00\x00\x20\x00\x00\x00\x40\x00\x00\x00\x01\x00\x18\x00'
  head -c 24 /dev/zero
  head -c 3072 /dev/urandom
  head -c 128 /dev/zero
} > "$work/in.ico"

# Runs "$@" $runs times with OUT in its arguments replaced by a new file name
# each time; prints wall-clock and CPU (user + system) milliseconds per run.
measure() {
  local start end cpu0 cpu1 i args a me=$BASHPID
  "${@//OUT/$work/warm}" >/dev/null 2>&1  # warm the caches
  cpu0=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$me/stat)
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do
    args=()
    for a in "$@"; do args+=("${a//OUT/$work/out-$i}"); done
    "${args[@]}" >/dev/null 2>&1
  done
  end=$(date +%s%N)
  cpu1=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$me/stat)
  awk -v w=$((end - start)) -v c=$((cpu1 - cpu0)) -v n=$runs -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%.2f %.2f\n", w / 1e6 / n, c * 1000 / hz / n }'
}

read -r ours_wall ours_cpu < <(measure "$cli" convert "$work/in.ico" OUT.ico --depth 4)
read -r bmp_wall bmp_cpu < <(measure "$cli" convert "$work/in.ico" OUT.bmp --depth 24)
# icotool cannot write an icon from an icon; its one-step conversion of the
# same input is the extraction of the 32 x 32 image to a PNG file.
read -r ico_wall ico_cpu < <(measure icotool -x -w 32 -o OUT.png "$work/in.ico")
# Replacing an existing file adds the flush to disk that protects the old one.
"$cli" convert "$work/in.ico" "$work/same.ico"
read -r same_wall same_cpu < <(measure "$cli" convert "$work/in.ico" "$work/same.ico" --depth 4)

printf '%-46s %8s %8s\n' "ms per file" wall cpu
printf '%-46s %8s %8s\n' "glyphsmith-cli convert .ico -> new .ico (4 bit)" "$ours_wall" "$ours_cpu"
printf '%-46s %8s %8s\n' "glyphsmith-cli convert .ico -> new .bmp" "$bmp_wall" "$bmp_cpu"
printf '%-46s %8s %8s\n' "icotool -x .ico -> new .png" "$ico_wall" "$ico_cpu"
printf '%-46s %8s %8s\n' "glyphsmith-cli convert, replacing a file" "$same_wall" "$same_cpu"
awk -v a="$ico_wall" -v b="$ours_wall" -v c="$ico_cpu" -v d="$ours_cpu" \
  'BEGIN { printf "icotool / glyphsmith-cli (.ico): %.2f wall, %.2f cpu\n", a / b, c / d }'
