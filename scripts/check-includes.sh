#!/usr/bin/env bash
# Compiles every source on its own, syntax only, so that each file is known to include what it
# uses although the unity build compiles them in batches:
#   check-includes.sh [build folder]
# The folder (build-includes by default) is configured file by file, with the benchmarks, and
# never built; WEAVO_JOBS files are compiled at a time, one per core without it.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-includes}"
# Configured each time, so that the list holds the sources added since.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_UNITY_BUILD=OFF -DWEAVO_BENCH=ON \
    >/dev/null
commands="$dir/compile_commands.json"
python3 - "$commands" "$(realpath "$dir")" <<'EOF' |
import json, shlex, sys
seen = set()
for entry in json.load(open(sys.argv[1])):
    # Sources of the repository only, each once: not the files made in the build folder.
    if entry["file"].startswith(sys.argv[2] + "/") or entry["file"] in seen:
        continue
    seen.add(entry["file"])
    arguments = entry.get("arguments") or shlex.split(entry["command"])
    kept, skip = [], False
    for argument in arguments:
        if skip:
            skip = False
        elif argument == "-o":
            skip = True
        elif argument != "-c":
            kept.append(argument)
    print(shlex.join(["cd", entry["directory"]]) + " && " + shlex.join(kept + ["-fsyntax-only"]))
EOF
    xargs -d '\n' -P "${WEAVO_JOBS:-$(nproc)}" -I{} bash -c '{}'
