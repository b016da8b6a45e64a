#!/usr/bin/env bash
# Checks the program icon from outside, with icoutils' own reader.
#   check_icon.sh list <icon>                icotool lists the nine images, by size then depth
#   check_icon.sh previews <icon> <dir>      extracts the 24-bit images to <dir>/icon-<size>.png
#   check_icon.sh refuses <gen_icon> <dir>   gen_icon rejects a malformed mask, naming the line
set -euo pipefail

list() {
    local icon=$1 want="" index=0 size bits palette
    for size in 48 32 16; do
        for bits in 4 8 24; do
            index=$((index + 1))
            case $bits in 4) palette=16 ;; 8) palette=256 ;; *) palette=0 ;; esac
            want+="--icon --index=$index --width=$size --height=$size --bit-depth=$bits --palette-size=$palette"$'\n'
        done
    done
    local got
    got="$(icotool -l "$icon")"$'\n'
    if [[ $got != "$want" ]]; then
        echo "icotool lists:" >&2
        echo "$got" >&2
        echo "expected:" >&2
        echo "$want" >&2
        exit 1
    fi
    echo "icotool lists the nine images as expected"
}

# For a person to look at: the images are too small to judge from the numbers.
previews() {
    local icon=$1 dir=$2 size
    for size in 48 32 16; do
        rm -f "$dir/icon-$size.png"
        icotool -x -w "$size" -b 24 -o "$dir/icon-$size.png" "$icon"
        [[ -s $dir/icon-$size.png ]] || { echo "icotool extracted no $size x $size image" >&2; exit 1; }
        echo "$dir/icon-$size.png"
    done
}

refuses() {
    local gen=$1 dir=$2
    local mask=$dir/malformed_mask.txt ico=$dir/malformed_mask.ico err=$dir/malformed_mask.err
    # A full-width first row with one unknown character at its end.
    printf 'size 48\n%s\n' "$(printf '.%.0s' {1..47})x" > "$mask"
    rm -f "$ico"
    local status=0
    "$gen" "$mask" "$ico" 2> "$err" || status=$?
    [[ $status -eq 1 ]] || { echo "gen_icon exited with $status on a malformed mask" >&2; exit 1; }
    grep -q "line 2: .*'x'" "$err" || { echo "gen_icon said: $(cat "$err")" >&2; exit 1; }
    [[ ! -e $ico ]] || { echo "gen_icon wrote an icon from a malformed mask" >&2; exit 1; }
    echo "gen_icon refuses it: $(cat "$err")"
}

"$@"
