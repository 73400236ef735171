#!/bin/bash
# The README's two commands on a fresh minimal Debian, as a new user would type
# them: builds a root with debootstrap (--variant=minbase, plus git), clones the
# committed HEAD of this repository into it, then runs, as root inside it,
#   sh setup.sh && make run
#   sh setup.sh test && make test
# exactly as written, and prints for each the packages it installed, the
# minutes it took and, for the second, the test summary.
#
# make run needs a display and never ends by itself: it gets an Xvfb display
# started on this machine (its socket bound into the root, DISPLAY and an empty
# XDG_RUNTIME_DIR set; nothing is installed for it), and the program is ended
# with SIGTERM once its window has mapped. make test brings its own displays.
#
# Needs root and the network (the Debian mirror of apt's sources); not part of
# make test. Takes from half an hour to an hour on two busy cores.
#   packaging/distro-check.sh [--keep] bookworm|trixie
#     --keep   leave the root in place afterwards (for a look at the build)
set -euo pipefail

usage() { echo "usage: $0 [--keep] bookworm|trixie" >&2; exit 2; }
keep=no
if [ "${1:-}" = "--keep" ]; then keep=yes; shift; fi
[ $# -eq 1 ] || usage
suite=$1
case "$suite" in bookworm | trixie) ;; *) usage ;; esac
[ "$(id -u)" -eq 0 ] || exec sudo bash "$0" "$@"

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
fail() { echo "distro-check: $*" >&2; exit 1; }

for tool in git Xvfb xdotool; do
    command -v "$tool" >/dev/null 2>&1 || fail "needs $tool on this machine (apt-get install git xvfb xdotool)"
done
if ! command -v debootstrap >/dev/null 2>&1; then
    echo "installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null \
        || fail "could not install debootstrap"
fi

# The first Debian mirror in apt's sources (one-line or deb822), not the security one.
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '
    /^deb[ \t]/ { sub(/\[[^]]*\]/, ""); if ($2 ~ /\/debian\/?$/) { print $2; exit } }
    /^URIs:/ { if ($2 ~ /\/debian\/?$/) { print $2; exit } }' | head -n 1 || true)
# None there: debootstrap takes its own default mirror.

head=$(git -C "$source_dir" rev-parse HEAD)
if [ -n "$(git -C "$source_dir" status --porcelain --untracked-files=no)" ]; then
    echo "note: uncommitted changes are not part of the check; it clones the committed HEAD"
fi

scratch=$(mktemp -d "/var/tmp/distro-check-$suite.XXXXXX")
root="$scratch/root"
mounts=()
x_pid=""
job_group=""
debootstrap_pid=""
cleanup() {
    set +e
    [ -n "$debootstrap_pid" ] && kill "$debootstrap_pid" 2>/dev/null && wait "$debootstrap_pid" 2>/dev/null
    [ -n "$job_group" ] && kill -TERM -- "-$job_group" 2>/dev/null
    [ -n "$x_pid" ] && kill "$x_pid" 2>/dev/null && wait "$x_pid" 2>/dev/null
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" \
            || { echo "distro-check: left $root, ${mounts[i]} is still mounted" >&2; return; }
    done
    if [ "$keep" = yes ]; then
        echo "the root is kept: $root (logs in $scratch)"
    else
        rm -rf --one-file-system "$root"
        echo "logs: $scratch"
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Each line of output with the moment it came, in seconds.
stamp() {
    local line
    while IFS= read -r line; do printf '%s %s\n' "$EPOCHREALTIME" "$line"; done
}
minutes() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.1f", (e - s) / 60 }'; }
# shellcheck disable=SC2016 # a dpkg-query format, not a shell expression
installed_count() { chroot "$root" dpkg-query -W -f '${db:Status-Status}\n' | grep -c '^installed$'; }

started=$(date -u '+%Y-%m-%d %H:%M UTC')
echo "distro-check $suite, $started, clone of $head"
echo "machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "debootstrap --variant=minbase --include=git $suite ${mirror:-(its default mirror)}"
# In the background and waited for, so that an interrupt is handled at once.
debootstrap --variant=minbase --include=git "$suite" "$root" ${mirror:+"$mirror"} >"$scratch/debootstrap.log" 2>&1 &
debootstrap_pid=$!
wait "$debootstrap_pid" \
    || { tail -n 20 "$scratch/debootstrap.log" >&2; fail "debootstrap failed (log: $scratch/debootstrap.log)"; }
debootstrap_pid=""
echo "  a minimal root of $(installed_count) packages"

bind() { # type-or-bind source target
    mkdir -p "$3"
    if [ "$1" = bind ]; then mount --bind "$2" "$3"; else mount -t "$1" "$2" "$3"; fi
    mounts+=("$3")
}
bind proc proc "$root/proc"
bind sysfs sysfs "$root/sys"
bind bind /dev/pts "$root/dev/pts"
bind tmpfs shm "$root/dev/shm"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

git -C "$source_dir" bundle create "$root/tmp/quillmere-tarot.bundle" HEAD 2>/dev/null \
    || fail "git bundle failed"
chroot "$root" git -c init.defaultBranch=main -c advice.detachedHead=false clone -q /tmp/quillmere-tarot.bundle /root/quillmere-tarot \
    || fail "git clone inside the root failed"
rm "$root/tmp/quillmere-tarot.bundle"
echo "  cloned into /root/quillmere-tarot: $(chroot "$root" git -C /root/quillmere-tarot log --oneline -1 | cut -c1-72)"

# The display for make run: Xvfb on this machine, its socket seen inside the root.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
x_pid=$!
exec 3>&-
for _ in $(seq 300); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
display=:$(cat "$scratch/display")
bind bind /tmp/.X11-unix "$root/tmp/.X11-unix"
mkdir -m 700 "$root/tmp/runtime-root"

base_env=(env -i HOME=/root LANG=C.UTF-8 TERM=dumb
          PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)

# Starts a command inside the root, in its own process group, its output
# stamped into a log; sets job_group, job_pipe.
start_job() { # log command env...
    local log=$1 command=$2
    shift 2
    rm -f "$scratch/group" "$scratch/rc"
    # shellcheck disable=SC2016 # expanded by the inner sh
    setsid sh -c 'echo $$ >"$1"; shift; rc_file=$1; shift; "$@"; echo $? >"$rc_file"' \
        sh "$scratch/group" "$scratch/rc" \
        chroot "$root" "${base_env[@]}" "$@" sh -c "cd /root/quillmere-tarot && $command" 2>&1 \
        | stamp >"$log" &
    job_pipe=$!
    for _ in $(seq 100); do [ -s "$scratch/group" ] && break; sleep 0.1; done
    job_group=$(cat "$scratch/group")
}

# The moment apt finished: its last line of work.
install_end() { grep -E '^[0-9.]+ (Setting up|Processing triggers for|Unpacking) ' "$1" | tail -n 1 | cut -d' ' -f1; }
# A compiler's warnings name a file, a line and often a column; dpkg's do not.
compiler_warnings() { grep -E '[^ ]:[0-9]+(:[0-9]+)?: warning: ' "$@" | cut -d' ' -f2-; }
newly_installed() { grep -Eo '[0-9]+ newly installed' "$1" | awk '{ n += $1 } END { print n + 0 }'; }

summary=()
report() { summary+=("$1"); echo "$1"; }

# 1. sh setup.sh && make run, up to the program's window.
run_command='sh setup.sh && make run'
run_log="$scratch/run.log"
echo
echo "\$ $run_command    (DISPLAY=$display from Xvfb on this machine; the program is ended once its window maps)"
before=$(installed_count)
start=$EPOCHREALTIME
start_job "$run_log" "$run_command" DISPLAY="$display" XDG_RUNTIME_DIR=/tmp/runtime-root
window=""
deadline=$((SECONDS + 120 * 60))
while [ $SECONDS -lt $deadline ] && kill -0 "$job_pipe" 2>/dev/null; do
    if DISPLAY=$display xdotool search --onlyvisible --classname quillmere-tarot >/dev/null 2>&1; then
        window=$EPOCHREALTIME
        break
    fi
    sleep 1
done
if [ -n "$window" ]; then
    sleep 3 # a moment to draw, and to say anything it has to say
    kill -0 -- "-$job_group" 2>/dev/null && kill -TERM -- "-$job_group"
fi
wait "$job_pipe" || true
job_group=""
after=$(installed_count)
done_install=$(install_end "$run_log")
if [ -z "$window" ]; then
    tail -n 40 "$run_log" | cut -d' ' -f2- >&2
    fail "'$run_command' did not show the program's window (log: $run_log)"
fi
report "$run_command: $((after - before)) packages installed ($(newly_installed "$run_log") by apt's count); $(minutes "$start" "$window") minutes to the window (${done_install:+$(minutes "$start" "$done_install") of them installing}); $(compiler_warnings "$run_log" | wc -l) compiler warnings; ended with SIGTERM after the window mapped"

# 2. sh setup.sh test && make test, to the test summary.
test_command='sh setup.sh test && make test'
test_log="$scratch/test.log"
echo
echo "\$ $test_command"
before=$(installed_count)
start=$EPOCHREALTIME
start_job "$test_log" "$test_command"
wait "$job_pipe" || true
job_group=""
finish=$EPOCHREALTIME
rc=$(cat "$scratch/rc" 2>/dev/null || echo "?")
after=$(installed_count)
done_install=$(install_end "$test_log")
tests=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$test_log" | tail -n 1 | cut -d' ' -f2-)
report "$test_command: $((after - before)) packages installed ($(newly_installed "$test_log") by apt's count); $(minutes "$start" "$finish") minutes to the end (${done_install:+$(minutes "$start" "$done_install") of them installing}); $(compiler_warnings "$test_log" | wc -l) compiler warnings; exit status $rc; ${tests:-no test summary}"
failed=$(sed -n '/The following tests FAILED/,$p' "$test_log" | cut -d' ' -f2- | grep -E '^[[:space:]]+[0-9]+ - ' || true)
[ -n "$failed" ] && report "failed:$(printf '\n%s' "$failed")"
if [ -n "$(compiler_warnings "$run_log" "$test_log")" ]; then
    echo
    echo "compiler warnings:"
    compiler_warnings -h "$run_log" "$test_log" | sort | uniq -c | sort -rn | head -n 40
fi

echo
echo "summary, $suite, $started, clone of $head:"
printf '  %s\n' "${summary[@]}"
echo "  machine: $(nproc) cores, load at the end $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$rc" = 0 ] || exit 1
