#!/usr/bin/env bash
# How long two builds of the program take from their start until the main
# window is shown, with a usual CRVN.ini (two stations) and with one of
# 2 million watch entries.
#
#   bench/startup_cost.sh                 builds both in Release form: the
#                                         revision named by BASE_REVISION
#                                         (default ecae3c1) and the current tree
#   bench/startup_cost.sh BEFORE AFTER    takes two program files as they are
#
# Each start runs alone under one Xvfb, without a network (a private network
# namespace where unshare allows one), and has LIMIT_SECONDS (default 120) to
# show its window. The window counts as shown when the X server maps it (the
# main window's title is "Corvane" and the version; the start-up splash, shown
# before it for 3 s, is called "Corvane" alone).
#
# Needs: Xvfb, xev, xdotool, and cmake, ninja and a C++ compiler when building.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/bench/two_programs.sh"
limit=${LIMIT_SECONDS:-120}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

programs_to_compare "$@"
start_x_server
find_isolation

# The settings file: its watch list repeated `copies` times, the main window
# shown at start-up and manual refresh.
settings() { # copies
    printf '%s\r\n' "[CRVN INFO] Version 1.7.7"
    awk -v copies="$1" 'BEGIN { for (i = 0; i < copies; i++) printf "Texas - DALLAS\r\nFalse\r\nTexas - WACO\r\nFalse\r\n" }'
    printf '%s\r\n' "[INTERVAL]" " 0" "[PARAMETERS]" \
        False False False False False True False False True False False True True " 25"
}
settings 1 >"$work/usual.ini"
settings 1000000 >"$work/huge.ini"

# Prints the seconds from the program's start until its main window is
# mapped, or why there is no such figure.
startup() { # program file, settings file
    local home=$work/home
    rm -rf "$home"
    make_program_folder "$home"
    cp "$2" "$home/CRVN.ini"
    # The X server reports each window that it maps, as it maps it.
    coproc maps { exec stdbuf -oL xev -root -event substructure; }
    local watcher=$maps_PID started program line window
    started=$(date +%s%N)
    CORVANE_HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime CORVANE_UNATTENDED=1 \
        "${isolate[@]}" "$1" >"$home/output.txt" 2>&1 &
    program=$!
    local result="no window after $limit s"
    while read -r -t "$((limit - ($(date +%s%N) - started) / 1000000000))" line <&"${maps[0]}"; do
        [[ $line == MapNotify* ]] || continue
        read -r line <&"${maps[0]}"
        window=$(sed -n 's/.* window \(0x[0-9a-f]*\),.*/\1/p' <<<"$line")
        if [[ -n $window && $(xdotool getwindowpid "$window" 2>/dev/null) == "$program" &&
            $(xdotool getwindowname "$window" 2>/dev/null) == "Corvane "* ]]; then
            result=$(awk -v ns="$(($(date +%s%N) - started))" 'BEGIN { printf "%.1f s\n", ns / 1e9 }')
            break
        fi
    done
    kill -KILL "$program" 2>/dev/null || true # a program that never got to its events would not end otherwise
    wait "$program" 2>/dev/null || true
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    echo "$result"
}

printf 'Main window shown after (CRVN.ini of %s bytes and of %s bytes):\n' \
    "$(stat -c %s "$work/usual.ini")" "$(stat -c %s "$work/huge.ini")"
for program in before after; do
    file=${!program}
    printf '%-8s usual: %-22s 2 million entries: %s\n' "$program" "$(startup "$file" "$work/usual.ini")" \
        "$(startup "$file" "$work/huge.ini")"
done
echo "before: $before_name"
echo "after:  $after_name"
