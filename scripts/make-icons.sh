#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Renders the application icon's PNG sizes from data/icons/veltrano.svg.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
for size in 16 32 48 64 128 256; do
  convert -background none -density 384 "$root/data/icons/veltrano.svg" -resize "${size}x${size}" \
    -depth 8 -strip "PNG32:$root/data/icons/veltrano-$size.png"
done
