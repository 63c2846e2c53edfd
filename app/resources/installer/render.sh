#!/bin/sh
# The installer's welcome picture (164 x 314, as the installer's pages take it): the character on
# the skin's dialog colour, its see-through key colour filled in. Needs ImageMagick.
cd "$(dirname "$0")" || exit 1
convert ../bitmaps/character.bmp -fill '#FBF4E6' -opaque 'rgb(124,124,124)' -resize 150x \
    -background '#FBF4E6' -gravity center -extent 164x314 -type TrueColor BMP3:welcome.bmp
