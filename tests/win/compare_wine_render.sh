#!/usr/bin/env bash
# Renders the tone assets with the Windows build of the generator under wine
# and compares them with the host build's files.
#   compare_wine_render.sh <wine-run> <gen_tones.exe> <out dir> <host tones dir>
set -euo pipefail
wine_run=$1 exe=$2 out=$3 host=$4
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && "$wine_run" "$exe" .)
count=0
for f in "$host"/*.wav; do
    name=$(basename "$f")
    if ! cmp -s "$f" "$out/$name"; then
        echo "$name differs: host $(sha256sum < "$f" | cut -c1-16), wine $(sha256sum < "$out/$name" 2>/dev/null | cut -c1-16)" >&2
        exit 1
    fi
    count=$((count + 1))
done
[[ $count -eq 41 && $(ls "$out" | wc -l) -eq 41 ]] || { echo "expected 41 assets on each side" >&2; exit 1; }
echo "all $count assets are byte-identical"
