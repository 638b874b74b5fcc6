#!/usr/bin/env bash
# Installs the Debian packages GlyphSmith needs to build, run and test, and
# configures and builds it. Sourced by scripts/start and scripts/test.
set -euo pipefail

GS_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
GS_BUILD="${GS_BUILD:-$GS_ROOT/build}"

GS_PACKAGES=(
  cmake ninja-build g++ pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libspng-dev libxcursor-dev
  fonts-dejavu-core
  libgdk-pixbuf2.0-bin
  # printing tests read written PDF pages back
  poppler-utils
  # the packaging tests: validators, man, dpkg-shlibdeps, gio and the file types it knows
  desktop-file-utils appstream man-db groff-base dpkg-dev libglib2.0-bin shared-mime-info
)

gs_missing_packages() {
  local p missing=()
  for p in "${GS_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

gs_install_packages() {
  local missing
  missing="$(gs_missing_packages)"
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
  else
    echo "GlyphSmith needs these Debian packages. Run this, then try again:"
    echo "  sudo apt-get install -y $missing"
    exit 1
  fi
}

gs_build() {
  cmake -S "$GS_ROOT" -B "$GS_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$GS_BUILD" "$@"
}

# The sanitizer build: clang with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer, every report fatal. It builds the benchmarks too
# (without running them), so CI sees the whole tree build with clang as well.
GS_ASAN_BUILD="${GS_ASAN_BUILD:-$GS_ROOT/build-asan}"
gs_build_sanitized() {
  CXX=clang++ cmake -S "$GS_ROOT" -B "$GS_ASAN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGLYPHSMITH_SANITIZE=ON >/dev/null
  cmake --build "$GS_ASAN_BUILD" "$@"
}
