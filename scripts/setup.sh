# Shared by scripts/run and scripts/test: installs what the build needs and builds.
# Sourced, not run.

ORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORVANE_BUILD="${ORVANE_BUILD:-$ORVANE_ROOT/build}"

# Debian packages the build, the tests and the demo use.
ORVANE_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth poppler-utils fonts-dejavu-core fonts-liberation
    appstream desktop-file-utils
    locales # the time-stamp test compiles a few locales from its sources
)

# Tests that skip without their program: the office round trips of the exports (LibreOffice)
# and the package check (lintian, with cpack's dpkg-shlibdeps and file). CI installs them;
# the README's test command does not need them.
ORVANE_CI_PACKAGES=(libreoffice-calc-nogui libreoffice-writer-nogui lintian dpkg-dev file)

# What scripts/fuzz needs besides: clang with its libFuzzer and sanitizer runtimes.
ORVANE_FUZZ_PACKAGES=(cmake ninja-build clang-14 libclang-rt-14-dev)

# What scripts/test --windows needs: the MinGW-w64 cross compiler, Wine to run its programs,
# and the GoogleTest sources (libgtest-dev ships them in /usr/src/googletest).
ORVANE_WINDOWS_PACKAGES=(cmake ninja-build mingw-w64 wine libgtest-dev)

orvane_install_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    # Waits for another apt run on the machine to finish instead of failing at once.
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -o DPkg::Lock::Timeout=600 -y -qq \
        --no-install-recommends "${missing[@]}"
}

orvane_build() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$ORVANE_ROOT" -B "$ORVANE_BUILD" -G Ninja -DORVANE_WERROR=$werror "$@" >/dev/null
    cmake --build "$ORVANE_BUILD"
}

# Builds only the named targets: starting the program need not wait for the tests.
orvane_build_targets() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$ORVANE_ROOT" -B "$ORVANE_BUILD" -G Ninja -DORVANE_WERROR=$werror >/dev/null
    cmake --build "$ORVANE_BUILD" --target "$@"
}
