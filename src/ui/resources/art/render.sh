#!/bin/sh
# Re-render every picture and icon in src/ui/resources/ from the sources in this folder.
# Needs Debian 12 packages: python3-pil python3-freetype librsvg2-bin imagemagick fonts-liberation.
set -eu
exec /usr/bin/python3 "$(dirname "$0")/render.py" "$@"
