#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# One version everywhere: the build's (which --version, About and the manual
# page say) is the Debian changelog's and the newest AppStream release's.
#   version_agrees.sh SOURCE_FOLDER VERSION
set -u
root=$1
version=$2
changelog=$(sed -n '1s/^veltrano (\([^)]*\)).*/\1/p' "$root/debian/changelog")
release=$(grep -o '<release version="[^"]*"' "$root/data/example.veltrano.Veltrano.metainfo.xml" | head -n1 | cut -d'"' -f2)
status=0
[ "$changelog" = "$version" ] || { echo "debian/changelog says $changelog, the build $version"; status=1; }
[ "$release" = "$version" ] || { echo "the AppStream metainfo's newest release is $release, the build $version"; status=1; }
[ $status -eq 0 ] && echo "version $version everywhere"
exit $status
