#!/usr/bin/env bash
# Installs a build into a fresh prefix and checks what a desktop and a person find there: the
# programs, the menu entry that starts the game, its icon, the AppStream description, the manual
# pages, the copyright file and changelog, and the tunes; then the Debian package made from the
# same build, which lintian (where installed) must pass without an error or a warning. Usage:
# install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.tallowen.Tallowen
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
for f in games/tallowen games/tallowen-engine share/icons/hicolor/scalable/apps/$id.svg \
         share/man/man6/tallowen.6.gz share/man/man6/tallowen-engine.6.gz \
         share/doc/tallowen/copyright share/doc/tallowen/changelog.gz; do
  [ -s "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"

# The menu entry names the installed program and the installed icon.
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/games/$exec_program" ] || { echo "Exec=$exec_program is not an installed program"; exit 1; }
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$id" ] || { echo "Icon=$icon is not the installed icon"; exit 1; }
grep -q "<release version=\"$version\"" "$metainfo" || { echo "metainfo lacks release $version"; exit 1; }

[ "$("$prefix/games/tallowen" --version)" = "tallowen $version" ]
for page in tallowen tallowen-engine; do
  warnings=$(zcat "$prefix/share/man/man6/$page.6.gz" | groff -man -ww -z 2>&1)
  [ -z "$warnings" ] || { echo "$page.6: $warnings"; exit 1; }
  zgrep -q "^\.TH .* \"Tallowen $version\"" "$prefix/share/man/man6/$page.6.gz"
done
# The newest changelog entry is this version's.
zcat "$prefix/share/doc/tallowen/changelog.gz" | head -1 | grep -q "^tallowen ($version) " ||
  { echo "changelog.gz does not begin with version $version"; exit 1; }

# Every tune the build wrote is installed where the program looks after its own folder.
if [ -d "$build/bin/Music" ]; then
  diff <(cd "$build/bin/Music" && ls) <(cd "$prefix/share/tallowen/Music" && ls)
fi

# The package holds the same files under /usr, and its dependencies name the packages of the
# libraries the programs link and of FluidSynth, which the game loads when its music starts.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$prefix/package" >/dev/null
deb=$(ls "$prefix"/package/tallowen_"$version"_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6svg6 libsqlite3-0 libfluidsynth3 libstdc++6; do
  grep -q "\b$package\b" <<<"$depends" || { echo "Depends lacks $package: $depends"; exit 1; }
done
diff <(cd "$prefix" && find games share -type f | sort) \
     <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/' | sed 's|^.* \./usr/||' | sort)
recommends=$(dpkg-deb -f "$deb" Recommends)
[ "$recommends" = "timgm6mb-soundfont | sf2-soundfont-gm, qt6-wayland" ] || { echo "Recommends: $recommends"; exit 1; }
if command -v lintian >/dev/null; then
  status=0
  findings=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
  [ "$status" -eq 0 ] || { echo "lintian rejects the package:"; grep -v 'root privileges' <<<"$findings"; exit 1; }
  checked_by="; lintian passes it"
else
  checked_by="; lintian is not installed"
fi
echo "installed layout and package ok: $(basename "$deb"), Depends: $depends$checked_by"
