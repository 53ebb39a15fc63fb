#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the app need, and only those missing.
# Safe to run again: with everything present it does nothing and needs no network.
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ pkg-config
  qtbase5-dev qtbase5-dev-tools libqt5svg5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
  libboost-dev
  libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format-14
  fonts-dejavu-core
  xvfb openbox
  doxygen abigail-tools lintian hyperfine dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [[ $(id -u) -ne 0 ]]; then
    sudo=sudo
  else
    sudo=
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
