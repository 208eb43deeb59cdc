#!/bin/bash
# Lays the rendered artwork out on the window's near-black skin for review:
# every image at 1x and 3x with the looks the program derives from it (hot and
# pressed for buttons, grey for the GPS indicator and the first compass rose),
# plus the title row and the bottom rows of an 800 px wide window.
#
#   contact-sheet.sh <art folder> <output.png>
set -euo pipefail
art=$1
out=$2
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
skin='#050505'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

buttons="129 132 133 136 137 139 140 141 142 138 143 176 145 146 147 148 156 155 151 152 153 154 1045 187 188"
pictures="150 157 161 167 168 169 170 171 172 173 174 158 189 128"

on_skin() { convert -size "$2" "xc:$skin" "$1" -composite "$3"; }

for id in $buttons; do
  size=$(identify -format '%wx%h' "$art/$id.png")
  on_skin "$art/$id.png" "$size" "$work/n.png"
  # Hot: each colour channel becomes 1.05 v + 0.05, alpha untouched.
  convert "$art/$id.png" -channel RGB -function polynomial 1.05,0.05 +channel "$work/h0.png"
  on_skin "$work/h0.png" "$size" "$work/h.png"
  # Pressed: the image drawn one pixel right and down, clipped to the button.
  convert -size "$size" "xc:$skin" "$art/$id.png" -geometry +1+1 -composite "$work/p.png"
  convert "$work/n.png" "$work/h.png" "$work/p.png" -bordercolor '#202020' -border 1 +append "$work/row.png"
  convert "$work/row.png" \( "$work/row.png" -scale 300% \) -background "$skin" -gravity west -append \
    -bordercolor "$skin" -border 4 "$work/tile-$id.png"
done

for id in $pictures; do
  size=$(identify -format '%wx%h' "$art/$id.png")
  on_skin "$art/$id.png" "$size" "$work/n.png"
  list=("$work/n.png")
  if [ "$id" = 150 ] || [ "$id" = 167 ]; then
    convert "$art/$id.png" -channel RGB -fx '0.3*r+0.59*g+0.11*b' +channel "$work/g0.png"
    on_skin "$work/g0.png" "$size" "$work/g.png"
    list+=("$work/g.png")
  fi
  if [ "$id" = 158 ] || [ "$id" = 161 ]; then
    # List rows and tooltips may be light: show them on white too.
    convert -size "$size" xc:white "$art/$id.png" -composite "$work/w.png"
    list+=("$work/w.png")
  fi
  if [ "$id" -ge 167 ] && [ "$id" -le 174 ]; then
    convert "$work/n.png" -resize 32x32 "$work/s.png"
    list+=("$work/s.png")
  fi
  scale=300%
  [ "$id" = 128 ] && scale=100%
  convert "${list[@]}" -bordercolor '#202020' -border 1 -background "$skin" -gravity center +append "$work/row.png"
  convert "$work/row.png" \( "$work/row.png" -scale "$scale" \) -background "$skin" -gravity west -append \
    -bordercolor "$skin" -border 4 "$work/tile-$id.png"
done
convert "$art"/128-16.png "$art"/128-32.png "$art"/128-48.png "$art"/128-64.png "$art"/128-128.png \
  -background "$skin" -gravity south +append -bordercolor "$skin" -border 4 "$work/tile-128s.png"

tiles=()
for id in $buttons $pictures 128s; do
  convert "$work/tile-$id.png" -background "$skin" -gravity northwest -splice 0x16 \
    -font "$font" -pointsize 12 -fill '#c0c8d0' -annotate +4+2 "${id%s}" "$work/tile-$id.png"
  tiles+=("$work/tile-$id.png")
done
montage "${tiles[@]}" -background "$skin" -gravity northwest -tile 4x -geometry +8+8 "$work/sheet.png"

# The controls where the window puts them, on an 800 x 560 window's title
# row and bottom rows.
w=800
convert -size ${w}x40 "xc:$skin" \
  "$art/154.png" -geometry +$((w - 113))+2 -composite \
  "$art/153.png" -geometry +$((w - 86))+2 -composite \
  "$art/152.png" -geometry +$((w - 59))+2 -composite \
  "$art/151.png" -geometry +$((w - 32))+2 -composite \
  "$art/1045.png" -geometry +$((w - 199))+11 -composite \
  "$art/187.png" -geometry +$((w - 179))+11 -composite \
  "$art/188.png" -geometry +$((w - 159))+11 -composite \
  "$work/title.png"
h=64
compass=$(mktemp -p "$work" XXXX.png)
convert "$art/167.png" -resize 32x32 "$compass"
convert -size ${w}x${h} "xc:$skin" \
  "$art/139.png" -geometry +8+$((h - 44)) -composite \
  "$art/140.png" -geometry +56+$((h - 44)) -composite \
  "$art/141.png" -geometry +104+$((h - 44)) -composite \
  "$art/142.png" -geometry +152+$((h - 44)) -composite \
  "$art/138.png" -geometry +200+$((h - 44)) -composite \
  "$art/137.png" -geometry +268+$((h - 48)) -composite \
  "$art/133.png" -geometry +309+$((h - 48)) -composite \
  "$art/129.png" -geometry +350+$((h - 56)) -composite \
  "$art/136.png" -geometry +399+$((h - 48)) -composite \
  "$art/156.png" -geometry +450+$((h - 40)) -composite \
  "$art/150.png" -geometry +560+$((h - 40)) -composite \
  "$compass" -geometry +$((560 - 36))+$((h - 40)) -composite \
  "$art/143.png" -geometry +$((w - 195))+$((h - 40)) -composite \
  "$art/145.png" -geometry +$((w - 161))+$((h - 40)) -composite \
  "$art/146.png" -geometry +$((w - 127))+$((h - 40)) -composite \
  "$art/147.png" -geometry +$((w - 93))+$((h - 40)) -composite \
  "$art/148.png" -geometry +$((w - 59))+$((h - 40)) -composite \
  "$work/bottom.png"
convert "$work/title.png" "$work/bottom.png" -background "$skin" -append \
  \( +clone -scale 200% \) -append -bordercolor '#303030' -border 1 "$work/window.png"
convert "$work/sheet.png" "$work/window.png" -background "$skin" -gravity center -append +repage "$out"
echo "$out"
