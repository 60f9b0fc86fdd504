#!/usr/bin/env bash
# Installs Velmora for the current user as a folder of its own, or removes it again.
#
#   scripts/install.sh                 build (release) and install
#   scripts/install.sh --binary FILE   install an already built program
#   scripts/install.sh --uninstall     remove the program, its help page, icon and menu entry
#                                      (the settings file Velmora.ini stays)
#   scripts/install.sh --uninstall --purge   remove the settings file as well
#
# Velmora keeps Velmora.ini beside itself and opens Hilfe.html from its current folder, so
# it lives in a folder the user can write: ~/.local/share/velmora (XDG_DATA_HOME is
# honoured). The desktop entry starts it there (Path=), so the help page is found.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
target=$data_home/velmora
entry=$data_home/applications/velmora.desktop

binary=
uninstall=0
purge=0
while [ $# -gt 0 ]; do
  case $1 in
    --binary) binary=${2:?--binary needs a file}; shift 2 ;;
    --uninstall) uninstall=1; shift ;;
    --purge) purge=1; shift ;;
    -h|--help) sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "install.sh: unknown option $1 (see --help)" >&2; exit 2 ;;
  esac
done

refresh_menu() {
  if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database "$data_home/applications" >/dev/null 2>&1 || true
  fi
}

if [ "$uninstall" -eq 1 ]; then
  rm -f "$target/velmora" "$target/Hilfe.html" "$target/velmora.png" "$entry"
  [ "$purge" -eq 1 ] && rm -f "$target/Velmora.ini"
  rmdir "$target" 2>/dev/null || true
  refresh_menu
  if [ -e "$target/Velmora.ini" ]; then
    echo "Velmora removed; its settings stay in $target/Velmora.ini (--purge removes them)."
  else
    echo "Velmora removed."
  fi
  exit 0
fi

if [ -z "$binary" ]; then
  "$root/scripts/deps.sh"
  cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build/release" --target velmora
  binary=$root/build/release/src/app/velmora
fi
[ -x "$binary" ] || { echo "install.sh: $binary is not a program" >&2; exit 1; }

mkdir -p "$target" "$data_home/applications"
# Through a temporary name, so a running Velmora keeps its program file intact.
install -m 755 "$binary" "$target/velmora.new"
mv -f "$target/velmora.new" "$target/velmora"
install -m 644 "$root/assets/help/Hilfe.html" "$target/Hilfe.html"

# The icon is drawn by the program itself; older builds cannot, and go without one.
icon_line=
if "$target/velmora" --write-icon "$target/velmora.png" >/dev/null 2>&1 && [ -s "$target/velmora.png" ]; then
  icon_line="Icon=$target/velmora.png"
else
  rm -f "$target/velmora.png"
fi

{
  echo "[Desktop Entry]"
  echo "Type=Application"
  echo "Version=1.0"
  echo "Name=Velmora"
  echo "GenericName=Laufwerksbelegung"
  echo "Comment=Zeigt belegten und freien Platz eines Laufwerks als Diagramm"
  echo "Exec=\"$target/velmora\""
  echo "Path=$target"
  [ -n "$icon_line" ] && echo "$icon_line"
  echo "Terminal=false"
  echo "Categories=System;Filesystem;"
  echo "Keywords=Laufwerk;Speicher;Festplatte;Diagramm;"
} >"$entry.new"
mv -f "$entry.new" "$entry"
refresh_menu

echo "Velmora installed in $target"
echo "Menu entry: $entry"
