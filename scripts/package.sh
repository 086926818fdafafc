#!/usr/bin/env bash
# Builds the files of a release into dist/: Quorvane-<version>-setup.exe (the installer) and
# Quorvane-<version>-win64.zip (Quorvane.exe, README.txt, LICENSE.txt), with the version of the
# VERSION file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" windows Quorvane QuorvaneSetup

version=$(head -n1 "$root/VERSION" | tr -d '[:space:]')
build="$root/build/windows"
dist="$root/dist"
mkdir -p "$dist"

setup="$dist/Quorvane-$version-setup.exe"
cp "$build/installer/Quorvane-$version-setup.exe" "$setup"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/Quorvane.exe" "$stage/Quorvane.exe"
cp "$build/installer/README.txt" "$stage/README.txt"
cp "$root/LICENSE" "$stage/LICENSE.txt"
archive="$dist/Quorvane-$version-win64.zip"
rm -f "$archive"
# The texts get Windows line ends (-l); the program is stored as it is. -X leaves out Unix
# owners and times that Windows has no use for.
(cd "$stage" && zip -q -X "$archive" Quorvane.exe && zip -q -X -l "$archive" README.txt LICENSE.txt)

echo "$setup"
echo "$archive"
