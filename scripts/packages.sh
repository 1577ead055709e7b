# shellcheck shell=bash
# Installs the Debian packages (Debian 12 or 13) named in its arguments that
# are missing: with apt-get when run as root, otherwise it prints the
# install line and stops. Sourced by run.sh and test.sh.

# What building and running the program needs.
run_packages=(cmake g++ make qt6-base-dev qt6-declarative-dev qt6-webengine-dev libgl-dev
              libx11-dev nlohmann-json3-dev fonts-dejavu-core)
# The window's translations: Qt Linguist's tools build them, and Qt's own
# translations put its dialogs' buttons in the same language.
run_packages+=(qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
# What the tests need besides: GoogleTest, a virtual X server and the tools
# that drive it, clang for the sanitizers and fuzzing, the tools that build
# and inspect the Debian package, and a headless Wayland compositor with
# its tools and Qt's Wayland platform.
test_packages=(libgtest-dev xvfb xauth xdotool x11-xkb-utils x11-utils imagemagick openbox
               clang libclang-rt-dev dpkg-dev file lintian appstream desktop-file-utils
               sway wtype grim qt6-wayland)

# What runs the web checkers of the pages (html-validate and playwright-core,
# from npm), and the browsers they drive.
web_packages=(nodejs npm)
# WebKitGTK's WebDriver (with its MiniBrowser) for the checks in the engine
# family of Safari.
browser_packages=(chromium webkit2gtk-driver)

# The shell scripts' checker, where the distribution has it. (The
# format check's clang-format comes pinned from npm, the same build on
# Debian 12 and 13: see tests/web/package.json.)
lint_packages=(shellcheck)

# Like install_missing, for packages this distribution may not have: those
# it lacks are left out.
install_available() {
  local available=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' && continue
    if [[ $(id -u) -eq 0 ]] && ! apt-cache show "$package" >/dev/null 2>&1; then
      apt-get update -q >/dev/null
    fi
    apt-cache show "$package" >/dev/null 2>&1 && available+=("$package")
  done
  ((${#available[@]})) || return 0
  install_missing "${available[@]}"
}

install_missing() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  if [[ $(id -u) -eq 0 ]]; then
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
  else
    echo "Halvero needs these packages. Install them, then run this again:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
}
