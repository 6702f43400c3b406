#!/usr/bin/env bash
# Draws the pictures of samples/ and the program icon with ImageMagick. Their output is
# committed; run this again only to change them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
im=/usr/bin/convert   # ImageMagick itself, whatever else is called convert on the PATH
samples="$root/samples"
rm -rf "$samples" && mkdir -p "$samples/more"
png() { "$im" "${@:1:$#-1}" -depth 8 -strip -define png:exclude-chunks=date,time "${@: -1}"; }

# A 4000 x 3000 landscape JPEG: sky gradient, hills, a sun.
"$im" -size 4000x3000 gradient:'#0b1d4a-#f29a4a' \
    -fill '#ffd966' -draw 'circle 2900,1100 2900,1450' \
    -fill '#2c4a2a' -draw 'polygon 0,2300 700,1700 1500,2100 2300,1600 3100,2050 4000,1750 4000,3000 0,3000' \
    -fill '#1a2e1a' -draw 'polygon 0,2700 900,2300 1900,2650 2800,2350 4000,2600 4000,3000 0,3000' \
    -strip -quality 88 "$samples/aurora.jpg"

# A portrait PNG: a lighthouse.
png -size 600x900 gradient:'#7fb7e6-#e9f3fb' \
    -fill '#3b6ea5' -draw 'rectangle 0,760 600,900' \
    -fill '#f2f2f2' -draw 'polygon 250,760 350,760 330,330 270,330' \
    -fill '#c0392b' -draw 'rectangle 262,450 338,500' -draw 'rectangle 256,600 344,650' \
    -fill '#333333' -draw 'rectangle 260,280 340,330' \
    -fill '#ffe680' -draw 'polygon 340,300 600,230 600,370' "$samples/tower.png"

# A square GIF: a chequered tile with rings.
"$im" -size 512x512 pattern:checkerboard -scale 800% -crop 512x512+0+0 +repage \
    -fill none -stroke '#d35400' -strokewidth 18 -draw 'circle 256,256 256,90' \
    -stroke '#16a085' -draw 'circle 256,256 256,170' -colors 16 "$samples/tile.gif"

# A landscape BMP: bricks.
"$im" -size 800x500 xc:'#8e3b22' -fill '#d9c7b0' \
    -draw "$(for y in $(seq 0 50 500); do printf 'rectangle 0,%d 800,%d ' "$y" $((y + 6)); done)" \
    -draw "$(for y in $(seq 0 50 450); do o=$(( (y / 50) % 2 * 50 )); for x in $(seq $o 100 800); do printf 'rectangle %d,%d %d,%d ' "$x" "$y" $((x + 6)) $((y + 50)); done; done)" \
    -type TrueColor "BMP3:$samples/bricks.bmp"

# The subfolder: three more.
"$im" -size 1280x720 gradient:'#f6d365-#fda085' \
    -fill '#c77d3a' -draw 'polygon 0,520 400,380 800,500 1280,360 1280,720 0,720' \
    -fill '#9c5a24' -draw 'polygon 0,640 500,520 1000,640 1280,560 1280,720 0,720' \
    -strip -quality 85 "$samples/more/dunes.jpg"
png -size 700x700 radial-gradient:'#a8e063-#2d6a1f' \
    -fill '#1e4d12' -draw 'polygon 350,80 600,350 350,620 100,350' \
    -stroke '#d8f5b0' -strokewidth 8 -draw 'line 350,80 350,620' "$samples/more/leaf.png"
"$im" -size 480x640 gradient:'#020111-#20202c' \
    -fill '#fffbe6' -draw 'circle 340,140 340,190' \
    -fill '#ffffff' -draw "$(for i in $(seq 1 40); do printf 'point %d,%d ' $(( (i * 97) % 480 )) $(( (i * 53) % 420 )); done)" \
    -type TrueColor "BMP3:$samples/more/night.bmp"

# One picture of each further format, in formats/: a drawing of coloured bands, each labelled
# by its own colours, so that a decoder that swaps channels or turns it shows.
formats="$samples/formats"
mkdir -p "$formats"
bands() {
    "$im" -size 640x420 xc:'#f4efe6' \
        -fill '#c0392b' -draw 'rectangle 0,0 213,300' -fill '#27ae60' -draw 'rectangle 213,0 426,300' \
        -fill '#2c5aa0' -draw 'rectangle 426,0 640,300' -fill "$1" -draw 'circle 320,360 320,400' "${@:2}"
}
bands '#8e44ad' -compress lzw "$formats/bands.tif"
bands '#16a085' -quality 80 "$formats/bands.webp"
bands '#d35400' -strip "$formats/bands-source.png"
avifenc --min 10 --max 30 "$formats/bands-source.png" "$formats/bands.avif" >/dev/null
heif-enc -q 70 "$formats/bands-source.png" -o "$formats/bands.heic" >/dev/null
cjxl -q 80 "$formats/bands-source.png" "$formats/bands.jxl" >/dev/null 2>&1
rm "$formats/bands-source.png"
cat >"$formats/compass.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="300" height="300" viewBox="0 0 300 300">
  <rect width="300" height="300" fill="#102a43"/>
  <circle cx="150" cy="150" r="120" fill="none" stroke="#f0b429" stroke-width="6"/>
  <polygon points="150,40 170,150 150,260 130,150" fill="#e12d39"/>
  <polygon points="40,150 150,130 260,150 150,170" fill="#d9e2ec"/>
</svg>
SVG
# Two animations: a ball bouncing over eight frames.
frames=()
for i in 0 1 2 3 4 5 6 7; do
    y=$(( 60 + (i < 4 ? i : 8 - i) * 45 ))
    frames+=( \( -size 320x260 xc:'#fdf6e3' -fill '#cb4b16' -draw "circle 160,$y 160,$((y + 30))" \) )
done
"$im" -delay 12 "${frames[@]}" -loop 0 "$formats/ball.gif"
"$im" -delay 12 "${frames[@]}" -loop 0 -quality 80 "$formats/ball.webp"
# A phone photo stored sideways: the camera's orientation tag (6, turn a quarter clockwise) says
# how it stands. The tag goes in as an Exif segment straight after the start of the JPEG.
"$im" -size 480x320 gradient:'#3a7bd5-#00d2ff' -fill '#ffffff' -draw 'polygon 0,320 0,0 120,0' \
    -rotate -90 -strip -quality 85 "$formats/upright-stored.jpg"
{
    printf '\xff\xd8\xff\xe1\x00\x22Exif\x00\x00II*\x00\x08\x00\x00\x00\x01\x00\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00\x00\x00\x00\x00'
    tail -c +3 "$formats/upright-stored.jpg"
} >"$formats/phone.jpg"
rm "$formats/upright-stored.jpg"
# The same photo as WebP and TIFF, the tag carried over.
"$im" "$formats/phone.jpg" -quality 80 "$formats/phone.webp"
"$im" "$formats/phone.jpg" -compress jpeg "$formats/phone.tif"

# A file named like a picture that is not one.
printf 'This is a text file named like a picture.\n' > "$samples/not-a-picture.jpg"

# The program icon.
png -size 64x64 xc:none -fill '#1f3b73' -draw 'roundrectangle 2,2 61,61 10,10' \
    -fill '#f29a4a' -draw 'circle 44,20 44,27' \
    -fill '#7fc97f' -draw 'polygon 6,56 24,30 38,46 46,38 58,56' "$root/src/resources/vimble.png"
