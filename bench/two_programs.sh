# Sourced by the scripts that run two builds of the program side by side. The
# script sets `root` (this tree), `work` (its scratch folder) and the array
# `pids` (the processes it ends on exit) before calling these.

# With two arguments takes them as the program files; otherwise builds, in
# Release form, the revision named by BASE_REVISION (default ecae3c1, the
# last one before the costs were brought down) and the current tree. Sets
# `before`, `after` and their names for the report.
programs_to_compare() { # [before after]
    if (($# == 2)); then
        before=$(realpath "$1")
        after=$(realpath "$2")
        before_name=$1
        after_name=$2
        return
    fi
    local base=${BASE_REVISION:-ecae3c1}
    echo "Building $base and the current tree (Release)..." >&2
    mkdir -p "$work/base-src"
    git -C "$root" archive "$base" | tar -x -C "$work/base-src"
    build_program "$work/base-src" "$work/base-build"
    build_program "$root" "$work/current-build"
    before=$work/base-build/corvane
    after=$work/current-build/corvane
    before_name="$base ($(git -C "$root" rev-parse --short "$base"))"
    after_name="current tree"
}

build_program() { # source folder, build folder
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
    cmake --build "$2" --target corvane >/dev/null
}

# One X server on a free display, in DISPLAY; its process in `xserver`.
start_x_server() {
    mkfifo "$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xserver=$!
    pids+=("$xserver")
    local display
    read -r -t 30 display <"$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$display
}

# The command that runs a program without a network (a private network
# namespace where unshare allows one), so that no update reaches the
# Internet, in the array `isolate`.
find_isolation() {
    isolate=()
    if unshare -rn true 2>/dev/null; then
        isolate=(unshare -rn)
    else
        echo "No private network namespace here: the programs' first update may reach the Internet" >&2
    fi
}

# A program folder with the shipped data, and settings and a lock of its own
# (in its folders config and runtime).
make_program_folder() { # folder
    mkdir -p "$1/config" "$1/runtime"
    chmod 700 "$1/runtime"
    cp -r "$root/data/." "$1/"
}
