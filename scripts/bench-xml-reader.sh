#!/usr/bin/env bash
# Times XmlFile::Load and FindElements on a report definition of about 20 MB written by the
# report definition writer (a table of 8,000 columns), beside `xmllint --noout` on the same
# file, each the best of three (the goal: within 3x of xmllint). Not part of CI. Builds in
# Release into a folder of its own.
# Usage: scripts/bench-xml-reader.sh [build folder] [columns]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-bench-xml-reader}"
columns="${2:-8000}"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >"$work/build.log" 2>&1 ||
        { cat "$work/build.log"; exit 1; }
fi
if ! cmake --build "$build" --parallel "${JOBS:-3}" --target bench_xml_reader >>"$work/build.log" 2>&1; then
    cat "$work/build.log"
    exit 1
fi
"$build/bin/bench_xml_reader" "$work/wide.rdlc" "$columns"
best=""
for _ in 1 2 3; do
    start=$(date +%s.%N)
    xmllint --noout "$work/wide.rdlc"
    took=$(echo "$(date +%s.%N) - $start" | bc)
    if [ -z "$best" ] || [ "$(echo "$took < $best" | bc)" = 1 ]; then
        best=$took
    fi
done
printf 'xmllint --noout: %.3f s (best of 3)\n' "$best"
