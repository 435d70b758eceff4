#!/usr/bin/env bash
# Packs the built programs for users: a setup program (NSIS) and a zip of the
# same files. The version is read from quillon.exe's version resource, the
# one place it is set.
#
# Usage: make-dist.sh <bin folder> <output folder> [amd64]
#   amd64: the 64-bit setup that the tests use where 32-bit code cannot run;
#   its name ends in "-amd64". Shipped setups are x86-ansi (Windows 95 on).
set -euo pipefail

bin=$(cd "$1" && pwd)
out=$2
variant=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)

version=$(python3 - "$bin/quillon.exe" <<'PY'
import struct
import sys
data = open(sys.argv[1], "rb").read()
# VS_FIXEDFILEINFO: its signature, the structure version, then FILEVERSION
# as two 32-bit halves (major.minor, 0.revision).
at = data.find("VS_VERSION_INFO".encode("utf-16-le"))
at = data.find(struct.pack("<II", 0xFEEF04BD, 0x00010000), at) if at >= 0 else -1
if at < 0:
    sys.exit("no version resource in " + sys.argv[1])
ms, ls = struct.unpack_from("<II", data, at + 8)
print("%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls & 0xFFFF))
PY
)
files=(quillon.exe Dapplet.exe sample.qlh quillon.hlp quillon.cnt)
for f in "${files[@]}"; do [ -f "$bin/$f" ] || { echo "missing $bin/$f" >&2; exit 1; }; done

suffix=""
defines=()
strip=i686-w64-mingw32-strip
if [ "$variant" = amd64 ]; then
  suffix="-amd64"
  defines+=(-DAMD64)
  strip=x86_64-w64-mingw32-strip
fi

# What users get carries no debugging information.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/Quillon"
for f in "${files[@]}"; do cp "$bin/$f" "$stage/Quillon/"; done
"$strip" "$stage/Quillon/quillon.exe" "$stage/Quillon/Dapplet.exe"

setup="$out/quillon-setup-$version$suffix.exe"
makensis -V2 -NOCD "-DVERSION=$version" "-DSOURCE=$stage/Quillon" "-DOUTFILE=$setup" \
  "${defines[@]}" "$here/../installer/quillon.nsi"

# The zip holds the files in a "Quillon" folder, as setup installs them.
zip="$out/quillon-$version$suffix.zip"
rm -f "$zip"
(cd "$stage" && zip -q -X -r "$zip" Quillon)
echo "$setup"
echo "$zip"
