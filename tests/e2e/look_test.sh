#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# The game looks the same on other desktops: screenshots of the game window and
# the Help window on a plain X server, under a dark Qt theme (qt6ct's "darker"
# scheme), under a style sheet forced through qt6ct, and with Nimbus Sans as the only
# font the system offers. At most 1% of the pixels may differ from the plain
# desktop's with the other font, 0.1% with the same fonts.
#   look_test.sh PATH_TO_VELTRANO [FOLDER_FOR_SCREENSHOTS]   (run on a virtual display, as virtual_desktop.sh makes)
set -u
game=$1
work=$(mktemp -d)
shots=${2:-$work}
mkdir -p "$shots"
passed=0
failed=0
trap 'rm -rf "$work"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT

check() {  # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

# The dark theme: qt6ct with the "darker" colour scheme, in a configuration folder of its own.
dark=$work/dark
mkdir -p "$dark/qt6ct"
cat > "$dark/qt6ct/qt6ct.conf" <<EOF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
EOF

# A style sheet the theme forces on every application: qt6ct's own, which
# takes frames away, and a larger font for every widget.
sheet=$work/sheet
mkdir -p "$sheet/qt6ct"
{ cat /usr/share/qt6ct/qss/fusion-fixes.qss; echo 'QWidget { font-size: 20px; }'; } > "$sheet/forced.qss"
cat > "$sheet/qt6ct/qt6ct.conf" <<EOF
[Appearance]
style=Fusion

[Interface]
stylesheets=$sheet/forced.qss
EOF

# Another font: fontconfig knows Nimbus Sans and nothing else.
fonts=$work/fonts
mkdir -p "$fonts/files" "$fonts/cache"
ln -s /usr/share/fonts/opentype/urw-base35/NimbusSans-*.otf "$fonts/files/"
cat > "$fonts/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$fonts/files</dir>
  <cachedir>$fonts/cache</cachedir>
  <alias><family>sans-serif</family><prefer><family>Nimbus Sans</family></prefer></alias>
</fontconfig>
EOF

# Shoots a window once it is drawn: two shots in a row alike, and in more
# colours than a window not drawn yet shows (one, or the screen's pattern of two).
settled_shot() {  # settled_shot WINDOW FILE
  local before=$work/before.png
  import -window "$1" "$before"
  for _ in $(seq 600); do
    import -window "$1" "$2"
    if [ "$(compare -metric AE "$before" "$2" null: 2>&1 | cut -d' ' -f1)" = 0 ] &&
       [ "$(identify -format '%k' "$2")" -gt 16 ]; then
      return 0
    fi
    mv "$2" "$before"
  done
  return 1
}

# Shoots the game window, then the Help window, as NAME-game.png and NAME-help.png.
shoot() {  # shoot NAME [VAR=VALUE...]
  local name=$1; shift
  local config
  config=$(mktemp -d -p "$work")
  xdotool mousemove 1270 1010  # off the windows: no control shows a hover
  env XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb "$@" "$game" 2>>"$work/stderr" &
  pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Veltrano3$' | head -n1)
  xdotool windowmove --sync "$window" 0 0
  settled_shot "$window" "$shots/$name-game.png"
  local menu=$(( $(xdotool getwindowgeometry "$window" | awk -F'x' '/Geometry/{print $2}') - 673 ))
  xdotool mousemove --window "$window" 263 $(( 557 + menu )) click 1  # HELP
  local help
  help=$(timeout 20 xdotool search --sync --onlyvisible --name '^Help$' | head -n1)
  xdotool mousemove 1270 1010
  settled_shot "$help" "$shots/$name-help.png"
  kill "$pid"
  wait "$pid" 2>/dev/null
  pid=
}

# Share of the pixels that differ between two screenshots, in hundredths of a percent.
differing() {  # differing A B
  local size pixels
  size=$(identify -format '%w %h' "$1")
  pixels=$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)
  if [ "$size" != "$(identify -format '%w %h' "$2")" ]; then echo 10000; return; fi
  set -- $size
  echo $(( ${pixels%.*} * 10000 / ($1 * $2) ))
}

shoot plain
shoot dark XDG_CONFIG_HOME="$dark" QT_QPA_PLATFORMTHEME=qt6ct
shoot nimbus FONTCONFIG_FILE="$fonts/fonts.conf"
shoot sheet XDG_CONFIG_HOME="$sheet" QT_QPA_PLATFORMTHEME=qt6ct

for other in dark nimbus sheet; do
  for window in game help; do
    share=$(differing "$shots/plain-$window.png" "$shots/$other-$window.png")
    printf '%s %s window: %d.%02d%% of pixels differ\n' "$other" "$window" $((share / 100)) $((share % 100))
    # Another font moves a few glyphs; with the same fonts nothing but noise may differ.
    limit=10
    [ "$other" = nimbus ] && limit=100
    check "$other $window window within $((limit / 100)).$((limit % 100 / 10))%" test "$share" -le "$limit"
  done
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
