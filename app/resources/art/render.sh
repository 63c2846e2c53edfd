#!/bin/sh
# Regenerate all of Whiskertime's bitmaps, icons and the cursor from the sources
# in this folder.  Needs: librsvg2-bin, python3-pil, python3-numpy (see README.md).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
py=${PYTHON:-/usr/bin/python3}
"$py" "$here/build.py"
"$py" "$here/preview.py" "${1:-$here/preview.png}"
