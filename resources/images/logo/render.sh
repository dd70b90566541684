#!/bin/sh
# Renders the product's logos from qelvox-logo.svg into resources/images/.
# The PNGs are committed, so only whoever changes the mark runs this.
# Needs Debian's librsvg2-bin, imagemagick and fonts-dejavu-core.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$here")
mark="$here/qelvox-logo.svg"
# /usr/bin/convert by full path: a convert earlier in PATH may be another tool.
magick=/usr/bin/convert

for tool in rsvg-convert "$magick"; do
    command -v "$tool" >/dev/null || { echo "render.sh: $tool is missing" >&2; exit 1; }
done

# Application icon: the mark itself for the desktop entry, and a 256 px copy.
cp "$mark" "$out/qelvoxdesk.svg"
rsvg-convert -w 256 -h 256 "$mark" -o "$out/qelvoxdesk.png"

# Window and tray icon; 48 px so the about box shows it unscaled and a tray
# scales it down rather than up. The offline copy is the same, desaturated.
rsvg-convert -w 48 -h 48 "$mark" -o "$out/logo-extra.png"
"$magick" "$out/logo-extra.png" -modulate 100,0 -strip "PNG32:$out/logo-extra-gray.png"

# Log-in dialog logo: the mark above the product's name. librsvg loads an
# image only from beside the file that refers to it, so the layout is
# written next to the mark for the duration of the render.
lockup=$(mktemp "$here/lockup.XXXXXX")
trap 'rm -f "$lockup"' EXIT
cat >"$lockup" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="320" height="200" viewBox="0 0 320 200">
  <image x="100" y="0" width="120" height="120" xlink:href="qelvox-logo.svg"/>
  <text x="160" y="178" text-anchor="middle" font-family="DejaVu Sans"
        font-weight="bold" font-size="46" fill="#14609a">Qelvoxdesk</text>
</svg>
EOF
rsvg-convert -w 160 -h 100 "$lockup" -o "$out/logo2.png"
