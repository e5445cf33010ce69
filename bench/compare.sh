#!/usr/bin/env bash
# Builds the benchmark programs (Release) at a git revision, ecae3c1 (the last
# one before these costs were brought down) unless
# another is given, and at the working tree, runs each revision's programs one
# after the other and prints their figures side by side. The programs are
# corvane_bench and corvane_fetch_bench (the page and fetch figures) unless
# others are named: corvane_alert_bench gives the warning checks' figures
# (revisions from 8a8460d on have the alerts it measures).
#   bench/compare.sh [revision [program ...]]
set -euo pipefail
tree="$(cd "$(dirname "$0")/.." && pwd)"
revision="${1:-ecae3c1}"
programs=("${@:2}")
[ ${#programs[@]} -gt 0 ] || programs=(corvane_bench corvane_fetch_bench)
scratch="$(mktemp -d)"
cleanup() {
  git -C "$tree" worktree remove --force "$scratch/base" >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap cleanup EXIT

git -C "$tree" worktree add --detach "$scratch/base" "$revision" >/dev/null 2>&1
# Both builds run this tree's benchmark: an older revision may have none, or
# no option to build it.
rm -rf "$scratch/base/bench"
cp -r "$tree/bench" "$scratch/base/bench"
if ! grep -q CORVANE_BENCH "$scratch/base/CMakeLists.txt"; then
  printf '\noption(CORVANE_BENCH "" OFF)\nif(CORVANE_BENCH)\n  add_subdirectory(bench)\nendif()\n' \
    >>"$scratch/base/CMakeLists.txt"
fi

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
build() { # source folder, build folder
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCORVANE_BENCH=ON \
    "${launcher[@]}" >/dev/null
  cmake --build "$2" --target "${programs[@]}" >/dev/null
}
echo "Building at $revision and at the working tree ..." >&2
build "$scratch/base" "$scratch/build-base"
build "$tree" "$scratch/build-tree"

for side in base tree; do
  : >"$scratch/$side.txt"
  for program in "${programs[@]}"; do
    "$scratch/build-$side/bench/$program" >>"$scratch/$side.txt"
  done
done
awk -F'\t' -v revision="$revision" '
  NR == FNR { before[$1] = $2; next }
  FNR == 1 { printf "%-56s %12s %14s\n", "", revision, "working tree" }
  { printf "%-56s %12s %14s\n", $1, before[$1], $2 }
' "$scratch/base.txt" "$scratch/tree.txt"
