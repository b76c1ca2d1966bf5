#!/usr/bin/env bash
# Draws the picture fuzzer's seeds with ImageMagick: tiny pictures in each format the
# slideshow reads, each behind the byte that picks its extension (see fuzz_picture.cpp:
# 0 jpg, 1 png, 2 bmp, 3 ico, 4 jpeg, 5 wmf). Run once; the output is committed.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
seeds=$here/corpus/picture
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$seeds"

seed() { # seed NAME SELECTOR FILE
    { printf "\\x$(printf %02x "$2")"; cat "$3"; } >"$seeds/$1"
}

convert -size 6x4 gradient:red-blue -strip "$scratch/a.jpg"
seed gradient-jpg 0 "$scratch/a.jpg"
convert -size 5x5 gradient:yellow-green -strip -interlace JPEG -quality 40 "$scratch/b.jpg"
seed progressive-jpeg 4 "$scratch/b.jpg"
convert -size 4x3 xc:none -fill '#ff000080' -draw 'point 1,1' -strip "PNG32:$scratch/c.png"
seed transparent-png 1 "$scratch/c.png"
convert -size 3x3 pattern:checkerboard -colors 2 -strip "PNG8:$scratch/d.png"
seed palette-png 1 "$scratch/d.png"
convert -size 3x2 xc:teal -strip "BMP3:$scratch/e.bmp"
seed rgb-bmp 2 "$scratch/e.bmp"
convert -size 16x16 xc:none -fill orange -draw 'circle 8,8 8,2' "$scratch/f.ico"
seed circle-ico 3 "$scratch/f.ico"
printf '\xd7\xcd\xc6\x9a\x00\x00' >"$scratch/g.wmf"
seed placeable-wmf 5 "$scratch/g.wmf"

# A BMP header that claims 40000 x 40000 pixels over no pixel data: refused by its size.
{
    printf 'BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00'
    printf '\x28\x00\x00\x00\x40\x9c\x00\x00\x40\x9c\x00\x00\x01\x00\x18\x00'
    printf '\x00\x00\x00\x00\x00\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00'
    printf '\x00\x00\x00\x00\x00\x00\x00\x00'
} >"$scratch/h.bmp"
seed huge-claim-bmp 2 "$scratch/h.bmp"
head -c 40 "$scratch/a.jpg" >"$scratch/i.jpg"
seed truncated-jpg 0 "$scratch/i.jpg"
