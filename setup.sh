#!/bin/sh
# Installs the Debian packages that a goal needs, and only those that are
# missing; run as root, or through sudo otherwise. Safe to run again and again.
#   sh setup.sh            build and run the program (make run, make check)
#   sh setup.sh test       also what every test and benchmark needs (make test)
#   sh setup.sh artwork    also the fonts the artwork generator draws with
#   sh setup.sh format     clang-format alone (make format-check, make format)
# Goals can be combined: sh setup.sh test artwork
#
# Where there is no apt-get (another distribution), it installs nothing: it
# checks that what the goals need is there already, says so and goes on, or
# names what is missing and stops with status 1.
set -eu

build=no    # the goals build the program: the compiler, CMake and Qt
packages="" # Debian packages
qt="Widgets"
for goal in "${@:-run}"; do
    case "$goal" in
        # Building and running: the compiler, CMake, Qt Widgets and a font for the texts.
        run) build=yes ;;
        # The tests: a private X session with a window manager, input and
        # window inspection, picture checks, the desktop entry and metadata
        # validators, a desktop launcher; Google Benchmark; and clang-format
        # for the check of the code's formatting.
        test) build=yes
              qt="Widgets Test"
              packages="$packages libbenchmark-dev clang-format
                        xvfb xauth openbox xdotool x11-utils imagemagick
                        desktop-file-utils appstream libglib2.0-bin
                        dpkg-dev file lintian
                        weston qt6-wayland dbus-daemon at-spi2-core python3 python3-pyatspi" ;;
        artwork) build=yes
                 packages="$packages fonts-linuxlibertine fonts-sil-ezra" ;;
        format) packages="$packages clang-format" ;;
        *) echo "setup.sh: unknown goal '$goal' (goals: run, test, artwork, format)" >&2; exit 2 ;;
    esac
done
[ "$build" = yes ] && packages="make cmake g++ pkg-config qt6-base-dev fonts-dejavu-core $packages"

# Without apt: what is missing, one line each, in words for any distribution.
has() { command -v "$1" >/dev/null 2>&1; }
missing_without_apt() {
    case " $* " in
        *" test "*)
            for need in "Xvfb:Xvfb, the virtual X server" "xauth:xauth" "openbox:the Openbox window manager" \
                "xdotool:xdotool" "xwininfo:xwininfo (the X11 utilities)" "convert:ImageMagick" \
                "desktop-file-validate:desktop-file-utils" "appstreamcli:AppStream's appstreamcli" \
                "gio:GLib's gio tool" "dpkg-deb:dpkg-deb" "file:file" "lintian:lintian" \
                "weston:the Weston compositor" "dbus-run-session:the D-Bus session bus" \
                "clang-format:clang-format"; do
                has "${need%%:*}" || echo "${need#*:} (the command ${need%%:*})"
            done
            python3 -c 'import pyatspi' >/dev/null 2>&1 || echo "Python 3 with pyatspi, the AT-SPI bindings" ;;
        *" format "*) has clang-format || echo "clang-format (the command clang-format)" ;;
    esac
    case " $* " in
        *" artwork "*)
            if has fc-list; then
                fc-list : family | grep -q 'Linux Libertine' || echo "the Linux Libertine fonts"
                fc-list : family | grep -q 'Ezra SIL' || echo "the Ezra SIL font"
            else
                echo "fontconfig (the command fc-list), the Linux Libertine fonts and the Ezra SIL font"
            fi ;;
    esac
    [ "$build" = yes ] || return 0
    has make || echo "make"
    if ! has cmake; then
        echo "CMake 3.25 or later (the command cmake); Qt 6 is looked for once it is there"
        has c++ || has g++ || has clang++ || echo "a C++20 compiler: GCC 10 (g++) or Clang 10 (clang++) or later"
        return 0
    fi
    # CMake itself says which compiler it would use and whether it finds Qt.
    probe=$(mktemp -d)
    cat >"$probe/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.16)
project(setup_probe NONE)
set(missing "")
if(CMAKE_VERSION VERSION_LESS 3.25)
    list(APPEND missing "CMake 3.25 or later (this one is ${CMAKE_VERSION})")
endif()
include(CheckLanguage)
check_language(CXX)
if(CMAKE_CXX_COMPILER)
    enable_language(CXX)
    if(NOT "cxx_std_20" IN_LIST CMAKE_CXX_COMPILE_FEATURES)
        list(APPEND missing "a C++20 compiler: GCC 10 (g++) or Clang 10 (clang++) or later (${CMAKE_CXX_COMPILER} is ${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION})")
    endif()
else()
    # Qt's CMake files need a compiler to be found at all.
    set(named "")
    if(DEFINED ENV{CXX})
        set(named "CXX names $ENV{CXX}, ")
    endif()
    list(APPEND missing "a C++20 compiler: GCC 10 (g++) or Clang 10 (clang++) or later (${named}Qt 6 is looked for once there is one)")
endif()
if(CMAKE_CXX_COMPILER)
    find_package(Qt6 6.4 QUIET COMPONENTS ${QT})
    foreach(module IN LISTS QT)
        if(NOT Qt6${module}_FOUND)
            list(APPEND missing "Qt 6.4 or later: its ${module} module with the files for developers (CMake's Qt6${module}Config.cmake), often in a package named like qt6-base-dev, qt6-qtbase-devel or qt6-base")
        endif()
    endforeach()
endif()
list(JOIN missing "\n" missing)
file(WRITE ${CMAKE_BINARY_DIR}/missing.txt "${missing}")
file(WRITE ${CMAKE_BINARY_DIR}/found.txt "CMake ${CMAKE_VERSION}, ${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION} and Qt ${Qt6_VERSION}")
EOF
    if cmake -S "$probe" -B "$probe/build" "-DQT=$(echo "$qt" | tr ' ' ';')" >"$probe/log" 2>&1; then
        cat "$probe/build/missing.txt"
        found=$(cat "$probe/build/found.txt")
        echo
    else
        echo "a working CMake (cmake could not configure a project of one line; its words follow)"
        sed 's/^/    /' "$probe/log"
    fi
    rm -rf "$probe"
}

if ! has apt-get || ! has dpkg-query; then
    found=""
    list=$(mktemp)
    missing_without_apt "${@:-run}" >"$list"
    missing=$(grep . "$list" || true)
    rm -f "$list"
    if [ -n "$missing" ]; then
        echo "setup.sh: there is no apt-get here, so nothing can be installed for you. Install these with" >&2
        echo "your system's package manager, then run the same command again:" >&2
        printf '%s\n' "$missing" | sed 's/^\([^ ]\)/  - \1/' >&2
        exit 1
    fi
    echo "setup.sh: no apt-get here; what ${*:-run} needs is installed${found:+ ($found)}: going on"
    exit 0
fi

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
as_root=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "setup.sh: run as root to install:$missing" >&2; exit 1; }
    as_root="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -q
# shellcheck disable=SC2086
$as_root apt-get install -y -q --no-install-recommends $missing
