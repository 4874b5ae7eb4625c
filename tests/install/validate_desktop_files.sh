#!/usr/bin/env bash
# Runs the desktop's validators on the desktop entry, the software-centre description and the
# file types. A validator that is not installed is skipped; with none at all the test is
# skipped (status 77).
#   validate_desktop_files.sh DESKTOP_FILE METAINFO_FILE MIME_XML SCRATCH_DIR
set -uo pipefail
desktop=$1 metainfo=$2 mime=$3 scratch=$4
ran=0 failures=0

if command -v desktop-file-validate >/dev/null; then
  ran=$((ran + 1))
  out=$(desktop-file-validate "$desktop" 2>&1)
  # It reports hints on success as well; errors and warnings fail.
  if [ $? -ne 0 ] || grep -qE 'error:|warning:' <<<"$out"; then echo "$out"; failures=$((failures + 1)); fi
  echo "desktop-file-validate $(basename "$desktop"): ${out:-no remarks}"
else
  echo "desktop-file-validate is not installed: skipped"
fi

if command -v appstreamcli >/dev/null; then
  ran=$((ran + 1))
  appstreamcli validate --no-net "$metainfo" || failures=$((failures + 1))
else
  echo "appstreamcli is not installed: skipped"
fi

if command -v update-mime-database >/dev/null; then
  ran=$((ran + 1))
  rm -rf "$scratch" && mkdir -p "$scratch/mime/packages"
  cp "$mime" "$scratch/mime/packages/tessarin.xml"
  out=$(XDG_DATA_DIRS="$scratch" update-mime-database "$scratch/mime" 2>&1)
  if [ $? -ne 0 ] || [ -n "$out" ] || [ ! -f "$scratch/mime/application/x-tessarin-container.xml" ]; then
    echo "$out"
    failures=$((failures + 1))
  fi
  echo "update-mime-database $(basename "$mime"): ${out:-no remarks}"
else
  echo "update-mime-database is not installed: skipped"
fi

[ $ran -eq 0 ] && exit 77
exit $((failures > 0))
