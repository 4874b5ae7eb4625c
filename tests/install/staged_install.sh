#!/usr/bin/env bash
# Installs the build into a staging prefix, checks the files a desktop needs, and starts the
# installed game and command line from there.
#   staged_install.sh BUILD_DIR STAGE_DIR APP_ID "ICON_SIZES"
set -uo pipefail
build=$1 stage=$2 app_id=$3 sizes=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >"$stage.log" 2>&1 || { cat "$stage.log"; echo "FAIL: install"; exit 1; }

share=$stage/share
for f in bin/tessarin bin/tessarin-cli share/tessarin/tsn32.bmp share/tessarin/levels/LEVELS.DAT \
         "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
         share/mime/packages/tessarin.xml; do
  [ -s "$stage/$f" ] || fail "missing $f"
done
[ -x "$stage/bin/tessarin" ] && [ -x "$stage/bin/tessarin-cli" ] || fail "the programs are not executable"

# Every icon size is there, a PNG of that size (width and height in the header).
for n in ${sizes//;/ }; do
  icon=$share/icons/hicolor/${n}x${n}/apps/tessarin.png
  if [ ! -s "$icon" ]; then fail "missing icon $n x $n"; continue; fi
  expected=$(printf '89504e47%08x%08x' "$n" "$n")
  actual=$(od -An -tx1 -N4 "$icon" | tr -d ' \n')$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')
  [ "$actual" = "$expected" ] || fail "icon $n x $n has the header $actual"
done

# The desktop entry starts the installed program with the opened file.
grep -qx 'Exec=tessarin %f' "$share/applications/$app_id.desktop" || fail "Exec line"
grep -qx 'Categories=Game;LogicGame;' "$share/applications/$app_id.desktop" || fail "Categories line"

# The install ran update-mime-database over the staged folder: the types are known there.
if command -v update-mime-database >/dev/null; then
  for t in level container level-set; do
    [ -f "$share/mime/application/x-tessarin-$t.xml" ] || fail "MIME type x-tessarin-$t not built"
  done
fi

version=$("$stage/bin/tessarin" --version) || fail "tessarin --version"
[[ $version == tessarin\ * ]] || fail "version text: $version"

# The installed game opens the installed level set and closes itself. Its data folder is the
# staged one: without the staged sprite sheet the same start fails.
levels=$share/tessarin/levels/LEVELS.DAT
timeout 60 "$stage/bin/tessarin" --quit-after 1 "$levels" >"$stage/game.log" 2>&1
status=$?
[ $status -eq 0 ] || { cat "$stage/game.log"; fail "the installed game ended with status $status"; }
mv "$share/tessarin/tsn32.bmp" "$share/tessarin/tsn32.bmp.away"
timeout 60 "$stage/bin/tessarin" --quit-after 0 "$levels" >"$stage/game-nosheet.log" 2>&1
status=$?
mv "$share/tessarin/tsn32.bmp.away" "$share/tessarin/tsn32.bmp"
[ $status -eq 1 ] || fail "without the staged sprite sheet the game ended with status $status, not 1"

# The installed command line draws with the installed sprite sheet.
"$stage/bin/tessarin-cli" render "$levels" --level 2 -o "$stage/level2.png" || fail "tessarin-cli render"
[ -s "$stage/level2.png" ] || fail "no picture from the installed tessarin-cli"

[ $failures -eq 0 ] && echo "staged install in $stage: every check passed"
exit $((failures > 0))
