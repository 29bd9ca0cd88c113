#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test:
# the GoogleTest suites (gcc), the same suites under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), the Windows programs and their tests under Wine, each
# libFuzzer target for a short, bounded time, the README's example, and the published site and
# its player in headless chromium and Firefox ESR.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
fuzz_seconds=${ORVELLO_FUZZ_SECONDS:-20}

# Each step's heading says how long the run has taken so far, so the slow steps show in CI's log.
step() { echo "== [$((SECONDS / 60))m$((SECONDS % 60))s] $*"; }

tools/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

step "Build and test (g++)"
cmake --preset testing >/dev/null
cmake --build --preset testing -j"$jobs"
ctest --preset testing -j"$jobs"

step "Build and test under AddressSanitizer and UndefinedBehaviorSanitizer (clang)"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize -j"$jobs"

step "Build the Windows programs (mingw-w64) and run their tests under Wine"
# One Wine prefix for every Windows test of this run, made on first use and gone afterwards with
# everything Wine left running in it; a virtual display for the shell, which Wine runs in a window.
wine_prefix=$(mktemp -d)
end_wine() {
  WINEPREFIX=$wine_prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$wine_prefix"
}
trap end_wine EXIT
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
WINEPREFIX=$wine_prefix xvfb-run -a ctest --preset windows -j"$jobs"
end_wine
trap - EXIT

step "Fuzz each target for ${fuzz_seconds}s, starting from its seeds in fuzz/corpus/"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
for fuzzer in build/fuzz/fuzz/*_fuzzer; do
  corpus=$(mktemp -d)
  seeds=fuzz/corpus/$(basename "$fuzzer")
  [ -d "$seeds" ] || { echo "$(basename "$fuzzer") has no seeds in $seeds" >&2; exit 1; }
  "$fuzzer" -max_total_time="$fuzz_seconds" -rss_limit_mb=1024 "$corpus" "$seeds" 2>"$corpus.log" \
    || { tail -n 40 "$corpus.log"; exit 1; }
  echo "$(basename "$fuzzer"): $(grep -o 'Done [0-9]* runs' "$corpus.log")"
  rm -rf "$corpus" "$corpus.log"
done

step "The README's first command: publish the bundled example"
tools/run-example.sh

step "Publish the example and check the site and the player in headless chromium and Firefox"
(cd tests/browser && npm ci --no-audit --no-fund --loglevel=error && node --test)
echo "All tests passed in $((SECONDS / 60))m$((SECONDS % 60))s."
