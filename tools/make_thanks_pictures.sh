#!/usr/bin/env bash
# Draws the thanks window's four pictures with ImageMagick into src/app/pictures/ as BMP files
# (256 colours; 200x200 for the two large boxes, 75x40 for the two small ones). The program
# embeds them at build time; run this only to change them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/src/app/pictures"
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
mkdir -p "$out"
heart='path "M 100,168 C 40,120 22,92 40,64 C 56,40 88,44 100,70 C 112,44 144,40 160,64 C 178,92 160,120 100,168 Z"'

# A red heart on a warm gradient, with the window's greeting.
convert -size 200x200 gradient:'#fff4e6-#ffd2c2' \
  -fill '#e0504a' -stroke '#b8322e' -strokewidth 3 -draw "translate 0,-16 $heart" \
  -stroke none -fill '#ffffff' -font "$font" -pointsize 26 -gravity center \
  -annotate +0-18 '感谢' \
  -fill '#9c2f2b' -pointsize 22 -gravity south -annotate +0+8 '感谢有你' \
  -colors 256 -type Palette -compress None BMP3:"$out/thanks1.bmp"

# A folder whose name tag turns from "A" to "B": what the program does.
convert -size 200x200 gradient:'#e8f1fb-#c4dcf5' \
  -fill '#f2b84b' -stroke '#c98d1c' -strokewidth 3 \
  -draw 'roundrectangle 30,62 170,160 10,10' -draw 'roundrectangle 30,48 92,72 8,8' \
  -stroke none -fill '#ffffff' -draw 'roundrectangle 52,92 148,132 6,6' \
  -fill '#2f6fb5' -font "$font" -pointsize 28 -gravity center -annotate +0+12 'A → B' \
  -fill '#2f4f7a' -pointsize 20 -gravity south -annotate +0+8 '批量重命名' \
  -colors 256 -type Palette -compress None BMP3:"$out/thanks2.bmp"

# Two small badges: a row of stars, and a thumbs-up word.
convert -size 75x40 xc:'#fff7d6' -fill '#f0a500' -font "$font" -pointsize 20 \
  -gravity center -annotate +0+0 '★★★' -fill none -stroke '#e0b040' \
  -draw 'rectangle 0,0 74,39' -colors 256 -type Palette -compress None BMP3:"$out/thanks3.bmp"
convert -size 75x40 xc:'#e6f6ea' -fill '#2e8b57' -font "$font" -pointsize 20 \
  -gravity center -annotate +0+0 '点赞' -fill none -stroke '#7cc08f' \
  -draw 'rectangle 0,0 74,39' -colors 256 -type Palette -compress None BMP3:"$out/thanks4.bmp"
ls -l "$out"
