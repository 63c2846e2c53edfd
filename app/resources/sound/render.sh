#!/bin/sh
# Whiskertime's squeak: two quick, rising "eek" chirps, synthesised with sox.
#   sh app/resources/sound/render.sh   ->  app/resources/sound/zizi.wav
# Needs: sox (Debian package "sox").
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
fmt="-r 44100 -b 16 -c 1"   # -D everywhere: no dither, so the file renders identically every time

# chirp LENGTH FROM TO OUT: a sine sweep (exponential, so it sounds like one
# smooth rising note) with a soft overtone an octave up, and a quick
# half-sine attack and release so there is no click at either end.
chirp() {
    sox -D -n $fmt "$tmp/f.wav" synth "$1" sine "$2/$3" fade h 0.012 "$1" 0.045
    sox -D -n $fmt "$tmp/h.wav" synth "$1" sine "$(($2 * 2))/$(($3 * 2))" vol 0.18 fade h 0.012 "$1" 0.045
    sox -D -m "$tmp/f.wav" "$tmp/h.wav" "$4"
}

chirp 0.11 1900 3000 "$tmp/c1.wav"
chirp 0.17 2200 3500 "$tmp/c2.wav"
sox -D -n $fmt "$tmp/gap.wav" trim 0 0.05
sox -D -n $fmt "$tmp/pad.wav" trim 0 0.01

# A quick flutter (tremolo) on the long chirp makes it sound alive rather than electronic;
# then put it together and bring the peak to -3 dBFS.
sox -D "$tmp/c2.wav" "$tmp/c2v.wav" tremolo 28 35
sox -D "$tmp/pad.wav" "$tmp/c1.wav" "$tmp/gap.wav" "$tmp/c2v.wav" "$tmp/pad.wav" "$tmp/all.wav"
sox -D "$tmp/all.wav" $fmt "$here/zizi.wav" gain -n -3
