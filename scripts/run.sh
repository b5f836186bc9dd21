#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target pianoamm-cli
exec build/app/pianoamm-cli --importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006 "$@"
