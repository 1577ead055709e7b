#!/usr/bin/env bash
# Brings copies of the shipped translations up to date with the sources, as
# scripts/update-translations.sh does, and runs the translations' test on
# them: a text of the window added without its translations fails here.
#
#   check_translations.sh SOURCE_DIR CORE_TEXTS TRANSLATIONS_TEST
set -euo pipefail
source_dir=$1 core_texts=$2 test=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/translations/halvero_*.ts "$work/"
"$core_texts" >"$work/core-texts.cpp"
cd "$source_dir"
"$(qtpaths6 --query QT_HOST_BINS)/lupdate" -silent -no-obsolete -locations none -I . \
  -extensions cpp,h app windows main "$work/core-texts.cpp" -ts "$work"/halvero_*.ts
HALVERO_TRANSLATIONS=$work "$test"
