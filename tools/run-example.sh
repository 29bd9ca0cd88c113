#!/usr/bin/env bash
# Builds orvello-cli and publishes the bundled example lecture into out/example; with the player
# in the example's style, konvertuj.bat converts the recording with ffmpeg into zaznam.mp4.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/install-deps.sh build
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake -S . -B build/example -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
         -DORVELLO_BUILD_GUI=OFF && cmake --build build/example -j"$(nproc)"; } >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "Building orvello-cli failed." >&2
  exit 1
fi

rm -rf out/example
mkdir -p out/example
status=0
build/example/bin/orvello-cli publish --media examples/lecture/prednaska.rm \
  --out out/example --style examples/Style --producer examples/Producer --wait || status=$?
if [ "$status" -ne 0 ]; then
  echo "Publishing failed (exit status $status)." >&2
  exit "$status"
fi
if [ -f out/example/prehravac.htm ]; then
  echo "Published: $root/out/example/prehravac.htm (the player), $root/out/example/folie.htm"
else
  echo "Published: $root/out/example/folie.htm"
fi
