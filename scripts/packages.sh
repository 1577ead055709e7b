# Installs the Debian 12 packages named in its arguments that are missing:
# with apt-get when run as root, otherwise it prints the install line and
# stops. Sourced by run.sh and test.sh.

# What building and running the program needs.
run_packages=(cmake g++ make qt6-base-dev qt6-declarative-dev qt6-webengine-dev libgl-dev
              libx11-dev nlohmann-json3-dev fonts-dejavu-core)
# What the tests need besides: GoogleTest, a virtual X server and the tools
# that drive it, clang for the sanitizers and fuzzing, the format check,
# and the tools that build and inspect the Debian package.
test_packages=(libgtest-dev xvfb xauth xdotool x11-xkb-utils x11-utils imagemagick openbox
               clang libclang-rt-dev clang-format git dpkg-dev file lintian)

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
