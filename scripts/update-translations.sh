#!/usr/bin/env bash
# Brings translations/halvero_*.ts up to date with the window's texts (the
# sources' tr() calls and the captions of the core's tables), for a
# translator to fill in with Qt Linguist. A new language: add its .ts file
# here by name (scripts/update-translations.sh xx creates it) and to
# HALVERO_LANGUAGES in app/CMakeLists.txt.
#
#   scripts/update-translations.sh [LANGUAGE...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate=$(qtpaths6 --query QT_HOST_BINS)/lupdate
[[ -x $lupdate ]] || { echo "update-translations.sh: lupdate is missing (qt6-l10n-tools)" >&2; exit 1; }

# The core's captions come from a small tool of the build (build/, or the
# folder HALVERO_BUILD names).
build=${HALVERO_BUILD:-build}
[[ -d $build ]] || cmake --preset default >/dev/null
cmake --build "$build" --target core_texts >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/translations/core_texts" >"$work/core-texts.cpp"

for language in "$@"; do
  [[ -f translations/halvero_$language.ts ]] ||
    "$lupdate" -silent -target-language "$language" -source-language en \
      "$work/core-texts.cpp" -ts "translations/halvero_$language.ts"
done
"$lupdate" -no-obsolete -locations none -I . -extensions cpp,h app windows main \
  "$work/core-texts.cpp" -ts translations/halvero_*.ts
