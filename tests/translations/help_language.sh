#!/usr/bin/env bash
# The command line speaks the user's language: --help and the errors in
# German under a German locale, in English (and without Qt's warnings)
# under the C locale.
#   help_language.sh HALVERO
set -uo pipefail
halvero=$1 failures=0
expect() { # expect LANG TEXT ARGUMENTS...
  local language=$1 text=$2 said
  shift 2
  said=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$language" "$halvero" "$@" 2>&1)
  if [[ $said == *"$text"* ]]; then echo "ok: $language $*"; else
    echo "FAIL: $language $* did not say \"$text\":"; echo "$said" | head -5
    failures=$((failures + 1))
  fi
}
expect de_DE.UTF-8 "Erstellt die Seite des Navigationsmenüs" --help
expect de_DE.UTF-8 "--looks steht allein" --looks --write x.htm
expect de_DE.UTF-8 '„halvero --help“ zeigt mehr.' --looks --write x.htm
expect C "Builds the page of a web site's navigation menu." --help
expect C "Try 'halvero --help'." --looks --write x.htm
# Nothing but the page's own lines under the plain C locale, which Qt
# would warn about had the command line made an application object.
said=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C "$halvero" --looks 2>&1 >/dev/null)
if [[ -z $said ]]; then echo "ok: C --looks says nothing on standard error"; else
  echo "FAIL: C --looks said: $said"; failures=$((failures + 1))
fi
exit $((failures > 0))
