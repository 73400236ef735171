#!/bin/sh
# Installs the Debian packages that a goal needs, and only those that are
# missing; run as root, or through sudo otherwise. Safe to run again and again.
#   sh setup.sh            build and run the program (what make run needs)
#   sh setup.sh test       also what the tests and benchmarks need (make test)
#   sh setup.sh artwork    also the fonts the artwork generator draws with
# Goals can be combined: sh setup.sh test artwork
set -eu

# Building and running: the compiler, CMake, Qt Widgets and a font for the texts.
packages="make cmake g++ pkg-config qt6-base-dev fonts-dejavu-core"
for goal in "${@:-run}"; do
    case "$goal" in
        run) ;;
        # The tests: a private X session with a window manager, input and
        # window inspection, picture checks, the desktop entry and metadata
        # validators, a desktop launcher; Google Benchmark; and clang-format
        # for the check of the code's formatting.
        test) packages="$packages libbenchmark-dev clang-format
                        xvfb xauth openbox xdotool x11-utils imagemagick
                        desktop-file-utils appstream libglib2.0-bin
                        dpkg-dev file lintian
                        weston qt6-wayland dbus-daemon at-spi2-core python3-pyatspi" ;;
        artwork) packages="$packages fonts-linuxlibertine fonts-sil-ezra" ;;
        *) echo "setup.sh: unknown goal '$goal' (goals: run, test, artwork)" >&2; exit 2 ;;
    esac
done

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
