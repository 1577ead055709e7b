#!/usr/bin/env bash
# Sets up and runs every check, stopping at the first that fails:
#  1. formatting of every C++ file, with the clang-format pinned in
#     tests/web (one build for Debian 12 and 13); the menu's CSS and script linted, the shell scripts too;
#  2. the build with warnings as errors (the "test" preset, build-test/) and
#     all tests, end-to-end and the Debian package included;
#  3. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#     (the "asan" preset, build-asan/);
#  4. a bounded libFuzzer run of each core fuzz target (the "fuzz" preset,
#     clang, build-fuzz/).
# `scripts/test.sh --quick` stops after step 2.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
quick=0
[[ ${1:-} == --quick ]] && quick=1

source scripts/packages.sh
install_missing "${run_packages[@]}" "${test_packages[@]}"
install_available "${lint_packages[@]}"
# The web checkers are test-only tools from npm, pinned by
# tests/web/package-lock.json; Node.js and npm from Debian where they are
# missing; Chromium from Debian.
command -v npm >/dev/null || install_missing "${web_packages[@]}"
install_missing "${browser_packages[@]}"
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)

echo "== formatting"
# One clang-format on every machine: the build pinned in tests/web (its
# install script, which marks it executable, may not run under newer npm).
case $(uname -m) in
  x86_64) platform=linux-x64 ;;
  aarch64) platform=linux-arm64 ;;
  *) platform="" ;;
esac
format=$root/tests/web/node_modules/clang-format-node/bin/cfn-$platform/clang-format
if [[ -n $platform && -f $format ]]; then
  chmod +x "$format"
  files=$(find core app windows main translations tests bench -name '*.cpp' -o -name '*.h' | sort)
  if ! echo "$files" | xargs -r "$format" --dry-run --Werror 2>/dev/null; then
    echo "$files" | xargs -r "$format" --dry-run --Werror 2>&1 | grep 'error:' >&2
    echo "clang-format: these places differ (run scripts/format.sh)" >&2
    exit 1
  fi
else
  echo "skipped: the pinned clang-format has no build for $(uname -m)"
fi

echo "== lint"
# The menu's style sheet and script as CSS and JavaScript, with the linters
# pinned in tests/web; the shell scripts under shellcheck (.shellcheckrc),
# where Debian has it.
tests/web/node_modules/.bin/stylelint --config tests/web/stylelint.config.mjs core/page/menu.css core/page/site.css
tests/web/node_modules/.bin/eslint --config tests/web/eslint.config.mjs core/page/menu.js
if command -v shellcheck >/dev/null; then
  find scripts tests bench .ci -path tests/web/node_modules -prune -o \
    \( -name '*.sh' -o -path .ci/run \) -type f -print0 | xargs -0 shellcheck ||
    { echo "shellcheck: see above" >&2; exit 1; }
else
  echo "skipped: shellcheck is not installed here"
fi

# The browser engine refuses to start as root with its sandbox on.
if [[ $(id -u) -eq 0 ]]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
build_and_test() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$(nproc)"
  # -noreset: the keyboard-layout tests need the keymap to outlive clients.
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    ctest --preset "$1" --output-on-failure -j 2 --timeout 300
}

echo "== tests"
build_and_test test
((quick)) && exit 0

echo "== tests with AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$root/tests/sanitizers/lsan.supp":print_suppressions=0 \
  build_and_test asan

echo "== fuzzing"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
for target in ColorFuzz NavFuzz PageFuzz SettingsFuzz SiteFuzz; do
  corpus=$(mktemp -d)
  name=${target%Fuzz}
  cp "$root/tests/fuzz/corpus/${name,,}/"* "$corpus/"
  mkdir -p "$root/build-fuzz/crashes"
  if ! "$root/build-fuzz/tests/fuzz/$target" -max_total_time="${FUZZ_SECONDS:-30}" \
      -timeout=10 -artifact_prefix="$root/build-fuzz/crashes/$target-" "$corpus" 2>"$corpus.log"; then
    tail -40 "$corpus.log"
    echo "$target found a crash: see $root/build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^Done [0-9]+ runs' "$corpus.log" | sed "s/^/$target: /"
  rm -rf "$corpus" "$corpus.log"
done
echo "all checks passed"
