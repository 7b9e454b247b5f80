#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Installs whatever is missing of the one package list, debian/control's
# build dependencies, for a purpose (as root on Debian 12):
#   scripts/install-deps.sh play   building and starting the game
#   scripts/install-deps.sh dev    every test, the screenshot, the benchmarks and the fuzzer
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
case ${1:-} in
  play) profiles=nocheck,pkg.veltrano.play ;;
  dev) profiles=pkg.veltrano.devtools ;;
  *) echo "usage: $0 play|dev" >&2; exit 2 ;;
esac

# Everything there already: no apt, so no need to be root either.
if command -v dpkg-checkbuilddeps >/dev/null &&
   dpkg-checkbuilddeps -P "$profiles" "$root/debian/control" 2>/dev/null; then
  exit 0
fi
echo "Installing the packages debian/control asks for (profiles $profiles)"
export DEBIAN_FRONTEND=noninteractive
install() { apt-get build-dep -y -qq --no-install-recommends -P "$profiles" "$root"; }
# A fresh machine has no package lists yet; old lists may name versions the
# mirror no longer has.
if ! compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null || ! install; then
  apt-get update -qq
  install
fi
