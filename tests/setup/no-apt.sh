#!/bin/sh
# setup.sh on a system without apt-get: with what a goal needs already there it
# says so and goes on (status 0); with something missing it names it and stops
# (status 1), never reaching for apt-get. Each case runs setup.sh with a PATH
# made of /usr/bin less apt and dpkg, and less the tools the case takes away.
#   no-apt.sh <source-dir>
set -u
root=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# A folder of links to /usr/bin's programs, less those whose names match the
# extended regular expression given.
bin_without() {
    dir="$scratch/bin-$case_number"
    mkdir -p "$dir"
    ls /usr/bin | grep -Ev "^(apt.*|dpkg|dpkg-query|$1)\$" | sed 's|^|/usr/bin/|' | xargs -d '\n' ln -s -t "$dir"
    printf '%s\n' "$dir"
}

# run_case <what> <goals> <taken away (regex)> <status> <words the output holds> <how many things it names as missing>
case_number=0
run_case() {
    case_number=$((case_number + 1))
    path=$(bin_without "$3")
    if [ "$3" = "QT" ]; then
        # CMake is there but finds no Qt: the same cmake, told to look for none.
        rm "$path/cmake"
        printf '#!/bin/sh\nexec /usr/bin/cmake -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON "$@"\n' >"$path/cmake"
        chmod +x "$path/cmake"
    fi
    # No compiler: CXX names one that is not there. (Taken off the PATH, a
    # compiler in /usr/bin would still be found by CMake.)
    compiler=""
    [ "$3" = "CXX" ] && compiler="$scratch/no-such-c++"
    # shellcheck disable=SC2086 # the goals are words
    output=$(cd "$scratch" && env -u CXX ${compiler:+CXX=$compiler} PATH="$path" sh "$root/setup.sh" $2 2>&1)
    status=$?
    problem=""
    [ "$status" -eq "$4" ] || problem="status $status, not $4"
    printf '%s\n' "$output" | grep -Fq -- "$5" || problem="${problem:+$problem; }no \"$5\" in what it said"
    printf '%s\n' "$output" | grep -q "not found" && problem="${problem:+$problem; }a command was not found"
    named=$(printf '%s\n' "$output" | grep -c '^  - ')
    [ "$named" -eq "$6" ] || problem="${problem:+$problem; }$named things named missing, not $6"
    if [ -n "$problem" ]; then
        echo "FAIL: $1: $problem. It said:"
        printf '%s\n' "$output" | sed 's/^/    /'
        failures=$((failures + 1))
    else
        echo "PASS: $1"
    fi
}

run_case "everything there" "" "NONE" 0 "what run needs is installed (CMake " 0
run_case "no CMake" "" "cmake" 1 "CMake 3.25 or later (the command cmake)" 1
run_case "no C++ compiler" "" "CXX" 1 "a C++20 compiler: GCC 10 (g++) or Clang 10 (clang++) or later (CXX names $scratch/no-such-c++, Qt 6" 1
run_case "no Qt" "" "QT" 1 "Qt 6.4 or later: its Widgets module" 1
run_case "the tests without Xvfb" "test" "Xvfb" 1 "Xvfb, the virtual X server (the command Xvfb)" 1
run_case "the tests without Qt" "test" "QT" 1 "its Test module" 2 # Widgets too
run_case "clang-format alone, no CMake needed" "format" "cmake" 0 "what format needs is installed" 0
run_case "no clang-format" "format" "clang-format" 1 "clang-format (the command clang-format)" 1
run_case "an unknown goal" "tests" "NONE" 2 "unknown goal 'tests'" 0

[ "$failures" -eq 0 ] || { echo "$failures of $case_number cases failed"; exit 1; }
echo "all $case_number cases passed"
