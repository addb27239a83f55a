#!/usr/bin/env bash
# Installs a build into a fresh prefix and checks what a desktop and a person find there: the
# programs, the menu entry that starts the game, its icon, the AppStream description, the manual
# pages and the tunes; then the Debian package made from the same build. Usage: install_test.sh
# BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.tallowen.Tallowen
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
for f in bin/tallowen bin/tallowen-engine share/icons/hicolor/scalable/apps/$id.svg \
         share/man/man6/tallowen.6 share/man/man6/tallowen-engine.6; do
  [ -s "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"

# The menu entry names the installed program and the installed icon.
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_program" ] || { echo "Exec=$exec_program is not an installed program"; exit 1; }
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$id" ] || { echo "Icon=$icon is not the installed icon"; exit 1; }
grep -q "<release version=\"$version\"" "$metainfo" || { echo "metainfo lacks release $version"; exit 1; }

[ "$("$prefix/bin/tallowen" --version)" = "tallowen $version" ]
for page in tallowen tallowen-engine; do
  warnings=$(groff -man -ww -z "$prefix/share/man/man6/$page.6" 2>&1)
  [ -z "$warnings" ] || { echo "$page.6: $warnings"; exit 1; }
  grep -q "^\.TH .* \"Tallowen $version\"" "$prefix/share/man/man6/$page.6"
done

# Every tune the build wrote is installed where the program looks after its own folder.
if [ -d "$build/bin/Music" ]; then
  diff <(cd "$build/bin/Music" && ls) <(cd "$prefix/share/tallowen/Music" && ls)
fi

# The package holds the same files under /usr, and its dependencies name the packages of the
# libraries the programs link.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$prefix/package" >/dev/null
deb=$(ls "$prefix"/package/tallowen_"$version"_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6svg6 libsqlite3-0 libfluidsynth3 libstdc++6; do
  grep -q "\b$package\b" <<<"$depends" || { echo "Depends lacks $package: $depends"; exit 1; }
done
diff <(cd "$prefix" && find bin share -type f | sort) \
     <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/' | sed 's|^.* \./usr/||' | sort)
echo "installed layout and package ok: $(basename "$deb"), Depends: $depends"
