#!/usr/bin/env bash
# What the compact window's anemometer costs at its fastest step (25 ms), for
# two builds of the program side by side under one X server.
#
#   bench/anemometer_cost.sh                  builds both: the revision named by
#                                             BASE_REVISION (default ecae3c1, the last
#                                             revision before the anemometer was
#                                             made cheaper) and the
#                                             current tree, in Release form
#   bench/anemometer_cost.sh BEFORE AFTER     takes two program files as they are
#
# Both programs start with the compact window shown and the anemometer
# turning. After a warm-up they run together for SIDE_BY_SIDE_SECONDS
# (default 60): each program's processor time comes from /proc. The X server
# serves both at once, so its share of each is then measured with the other
# program stopped, for ALONE_SECONDS (default 30) each. Every figure is given
# per minute. The programs run without a network (a private network
# namespace where unshare allows one), so no update reaches the Internet.
#
# Needs: Xvfb, xdotool, cmake, ninja and a C++ compiler (when building);
# trayer is used as the tray when it is installed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/bench/two_programs.sh"
together=${SIDE_BY_SIDE_SECONDS:-60}
alone=${ALONE_SECONDS:-30}
warmup=${WARMUP_SECONDS:-10}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill -CONT "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

programs_to_compare "$@"

cpu_ns() { # pid: processor time of all its threads so far, in nanoseconds
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f\n", n }'
}

start_x_server
if command -v trayer >/dev/null; then
    trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 &
    pids+=("$!")
fi

find_isolation

# A program folder with one station, the compact window at start-up, manual
# refresh and the anemometer at 25 ms; settings and lock of its own.
start() { # program file, name of its folder
    local home=$work/$2
    make_program_folder "$home"
    printf '%s\r\n' "[CRVN INFO] Version 1.7.7" "Texas - DALLAS" "False" "[INTERVAL]" " 0" "[PARAMETERS]" \
        False False False False True False False False True True False True True " 25" >"$home/CRVN.ini"
    CORVANE_HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime CORVANE_UNATTENDED=1 \
        "${isolate[@]}" "$1" >"$home/output.txt" 2>&1 &
    pids+=("$!")
    started=$!
}

start "$before" before
before_pid=$started
start "$after" after
after_pid=$started
for pid in "$before_pid" "$after_pid"; do
    timeout 60 xdotool search --sync --onlyvisible --pid "$pid" --name '^Mini-Weather$' >/dev/null ||
        { echo "The compact window of process $pid did not appear" >&2; exit 1; }
done
sleep "$warmup" # start-up and the first (failing) update settle

measure() { # seconds, pids...: prints the nanoseconds of processor time each used meanwhile
    local seconds=$1 pid
    shift
    local start=()
    for pid in "$@"; do start+=("$(cpu_ns "$pid")"); done
    sleep "$seconds" # the measured interval
    local i=0
    for pid in "$@"; do
        echo $(($(cpu_ns "$pid") - start[i]))
        i=$((i + 1))
    done
}

echo "Measuring $together s side by side, then $alone s of each alone..." >&2
read -r -d '' before_ns after_ns x_both < <(measure "$together" "$before_pid" "$after_pid" "$xserver"; printf '\0')
kill -STOP "$after_pid"
x_before=$(measure "$alone" "$xserver")
kill -CONT "$after_pid"
kill -STOP "$before_pid"
x_after=$(measure "$alone" "$xserver")
kill -CONT "$before_pid"

echo "before: $before_name"
echo "after:  $after_name"
awk -v together="$together" -v alone="$alone" \
    -v b="$before_ns" -v a="$after_ns" -v xboth="$x_both" -v xb="$x_before" -v xa="$x_after" '
function per_minute(ns, seconds) { return ns / 1e9 * 60 / seconds }
function row(name, program, x) {
    printf "%-8s %7.3f s %6.2f %%   %7.3f s %6.2f %%   %7.3f s %6.2f %%\n", name,
        program, program / 0.6, x, x / 0.6, program + x, (program + x) / 0.6
}
BEGIN {
    printf "Anemometer at 25 ms, compact window shown: processor time a minute and share of one core\n"
    printf "%-8s %18s   %18s   %18s\n", "", "program", "X server", "together"
    row("before", per_minute(b, together), per_minute(xb, alone))
    row("after", per_minute(a, together), per_minute(xa, alone))
    printf "X server while both ran: %.3f s a minute\n", per_minute(xboth, together)
}'
