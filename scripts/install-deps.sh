#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; only those missing.
set -euo pipefail
pkgs=(
  build-essential cmake ninja-build ccache pkg-config
  clang libclang-rt-dev
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libgl-dev
  libcurl4-openssl-dev libicu-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libcpp-httplib-dev
  xvfb xauth fonts-ipafont-gothic imagemagick x11-utils
  qt6-translations-l10n desktop-file-utils appstream
  g++-mingw-w64-x86-64-posix wine64
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
