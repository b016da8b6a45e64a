#!/usr/bin/env bash
# Checks every rendered tone asset with sox's own reader.
#   soxi_check.sh <tones dir> <gen_tones>
set -euo pipefail
dir=$1 gen=$2
count=0
while read -r id name _ _ samples; do
    f="$dir/$id.wav"
    got="$(soxi -t "$f"):$(soxi -e "$f"):$(soxi -b "$f"):$(soxi -c "$f"):$(soxi -r "$f"):$(soxi -s "$f")"
    want="wav:Unsigned Integer PCM:8:1:44100:$samples"
    if [[ $got != "$want" ]]; then
        echo "$name ($f): sox reads $got, expected $want" >&2
        exit 1
    fi
    count=$((count + 1))
done < <("$gen" --list)
[[ $count -eq 41 ]] || { echo "expected 41 notes, listed $count" >&2; exit 1; }
echo "sox reads all $count assets as expected"
