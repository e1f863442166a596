#!/bin/sh
# Installs, from Debian's packages, whatever of the build and run dependencies is missing, and
# of the further packages named as arguments (bench/run names those it measures with).
# Runs as root, or through sudo otherwise; installs nothing when all is there. Works on
# Debian 12 and 13, taking each package under the name the release gives it.
set -eu

# The build and its tests: compiler, Qt, the two faces the windows are drawn with, the
# checkers of the desktop entry, the metainfo and the package, and clang with its runtime
# libraries (libFuzzer, the sanitizers) for the fuzz test. The Windows program: the mingw-w64
# compiler and resource compiler, and for its tests doctest's header, Wine with its own
# Tahoma, an X server without a screen, and the French locale. The Wayland tests: GNOME's
# compositor with its X server, Qt's Wayland plugin and the session bus they run on. The
# packages: git, which dates them by the last commit; the Windows installer's makers (wixl,
# msibuild from msitools) and faketime, which pins the time they write; Debian's checkers
# lintian and hardening-check (devscripts). The pictures: ImageMagick, and xdotool to drive the programs.
packages="g++ make cmake qt6-base-dev fonts-liberation2 fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev clang
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 doctest-dev
          wine64 wine fonts-wine xvfb xauth locales
          mutter xwayland qt6-wayland dbus-daemon
          git wixl msitools faketime lintian devscripts imagemagick xdotool $*"

# The web page, where the release's Emscripten can build it (3.1.69, Debian 13; not Debian 12's
# 3.1.6): Emscripten, node and npm, which fetches the test's audit tool, Chromium, its driver
# and Selenium.
web_packages() {
    candidate=$(apt-cache policy emscripten 2>/dev/null | sed -n 's/^ *Candidate: //p')
    if [ -n "$candidate" ] && [ "$candidate" != "(none)" ] && dpkg --compare-versions "$candidate" ge 3.1.69; then
        echo "emscripten nodejs npm chromium chromium-driver python3-selenium"
    fi
}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
offered() { apt-cache policy "$1" 2>/dev/null | grep -q 'Candidate: [^(]'; }

# clang's runtime libraries come under the name of the clang they belong to. Debian 13 (and
# Debian 12 since a point release) also has them unversioned, for its default clang; before
# that, the version is the one the default clang depends on. Prints nothing when the package
# lists do not tell.
clang_runtime() {
    if installed libclang-rt-dev || offered libclang-rt-dev; then
        echo libclang-rt-dev
        return
    fi
    version=$(dpkg-query -W -f='${Depends}' clang 2>/dev/null | sed -n 's/^clang-\([0-9][0-9]*\).*/\1/p')
    [ -n "$version" ] || version=$(apt-cache depends clang 2>/dev/null |
                                   sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1)
    [ -z "$version" ] || echo "libclang-rt-$version-dev"
}

# Sets runtime, the name of clang's runtime package, and missing, what is not installed.
missing_packages() {
    runtime=$(clang_runtime)
    missing=""
    for package in $packages $runtime $(web_packages); do
        installed "$package" || missing="$missing $package"
    done
}

french=fr_FR.UTF-8
has_french() { locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; }

missing_packages
if [ -z "$missing" ] && [ -n "$runtime" ] && has_french; then
    exit 0
fi

as_root=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Missing:$missing. Install them as root (there is no sudo here)." >&2
        exit 1
    fi
    as_root="sudo"
fi
if [ -n "$missing" ] || [ -z "$runtime" ]; then
    $as_root apt-get update
    # The names again, now that the package lists are those of the release.
    missing_packages
    unknown=""
    for package in $missing; do
        offered "$package" || unknown="$unknown $package"
    done
    release=$(. /etc/os-release 2>/dev/null && echo "$PRETTY_NAME") || release="this system"
    if [ -z "$runtime" ]; then
        echo "No package of clang's runtime libraries (libclang-rt-dev or libclang-rt-N-dev" \
             "for the default clang) is to be found for $release." >&2
        exit 1
    fi
    if [ -n "$unknown" ]; then
        echo "These packages are not to be found for $release:$unknown" >&2
        exit 1
    fi
    echo "Installing:$missing"
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
# The Windows tests read and write numbers as the French do.
has_french || $as_root localedef -i fr_FR -f UTF-8 "$french"
