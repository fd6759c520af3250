#!/usr/bin/env bash
# Installs, with apt-get, every Debian package the build and the tests need.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
  cmake g++ clang make pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev sqlite3
  libpq-dev postgresql
  libpugixml-dev libsodium-dev libssl-dev openssl
  qt6-base-dev libgl-dev qt6-translations-l10n
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
