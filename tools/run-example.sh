#!/usr/bin/env bash
# Builds orvello-cli and publishes the bundled example lecture into out/example.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/install-deps.sh build
cmake -S . -B build/example -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DORVELLO_BUILD_GUI=OFF >/dev/null
cmake --build build/example -j"$(nproc)" >/dev/null

rm -rf out/example
mkdir -p out/example
status=0
build/example/bin/orvello-cli publish --media examples/lecture/prednaska.rm \
  --out out/example --style examples/Style --producer examples/Producer --wait || status=$?
if [ "$status" -ne 0 ]; then
  echo "Publishing failed (exit status $status)." >&2
  exit "$status"
fi
echo "Published: $root/out/example/folie.htm"
