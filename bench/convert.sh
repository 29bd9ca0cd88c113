#!/usr/bin/env bash
# Measures konvertuj.bat's conversion of a recording through the script runner (orvello-script,
# which reads the converter's log through a pipe and shows its progress) against the same ffmpeg
# command run by hand, in pairs: each pair runs both on the same recording one right after the
# other, in alternating order, and the table gives each pair's ratios and their medians. Needs
# GNU time (/usr/bin/time, Debian package `time`).
#
#   bench/convert.sh                  builds a release orvello-script into build/bench
#   ORVELLO_SCRIPT=path bench/convert.sh   measures that runner instead
#   ORVELLO_BENCH_RUNS=n              pairs (default 5)
#   ORVELLO_BENCH_SECONDS=s           the recording's length (default 60)
#   ORVELLO_BENCH_DIR=folder          where the recording and the videos go (default /dev/shm)
#
# The recording: RealVideo 2 and AC-3 from ffmpeg's test picture and a tone, 320x240 at 25 fps.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${ORVELLO_BENCH_RUNS:-5}
seconds=${ORVELLO_BENCH_SECONDS:-60}
ffmpeg=$(command -v ffmpeg) || { echo "bench/convert.sh needs ffmpeg" >&2; exit 1; }

if [ -z "${ORVELLO_SCRIPT:-}" ]; then
  cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DORVELLO_BUILD_GUI=OFF >/dev/null
  cmake --build "$root/build/bench" --target orvello-script -j"$(nproc)" >/dev/null
  ORVELLO_SCRIPT=$root/build/bench/bin/orvello-script
fi

base=${ORVELLO_BENCH_DIR:-/dev/shm}
[ -d "$base" ] || base=${TMPDIR:-/tmp}
work=$(mktemp -d "$base/orvello-convert.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
"$ffmpeg" -nostdin -v error -f lavfi -i "testsrc=size=320x240:rate=25:duration=$seconds" \
  -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=$seconds" \
  -c:v rv20 -b:v 200k -c:a ac3 -b:a 64k -f rm lecture.rm

# The line the run writes, and the same command as a user would type it.
options=(-nostdin -hide_banner -loglevel level+info -y -i lecture.rm -c:v libx264 -preset veryfast
         -pix_fmt yuv420p -vf "scale=trunc(iw/2)*2:trunc(ih/2)*2" -c:a aac -movflags +faststart
         -f mp4)
printf '"%s" -nostdin -hide_banner -loglevel level+info -y -i "lecture.rm" -c:v libx264 -preset veryfast -pix_fmt yuv420p -vf "scale=trunc(iw/2)*2:trunc(ih/2)*2" -c:a aac -movflags +faststart -f mp4 "zaznam.mp4.tmp" && Move /Y "zaznam.mp4.tmp" "zaznam.mp4"\r\n' \
  "$ffmpeg" >konvertuj.bat

# "wall cpu": the wall time and the processor time (user + system, the converter's included) of
# "$@", in seconds. The processor time hardly depends on what else the machine does.
seconds_of() {
  local start=$EPOCHREALTIME
  /usr/bin/time -f '%U %S' -o cpu.txt "$@" >/dev/null 2>&1
  awk -v s="$start" -v e="$EPOCHREALTIME" -v u="$(cut -d' ' -f1 cpu.txt)" \
    -v k="$(cut -d' ' -f2 cpu.txt)" 'BEGIN { printf "%.3f %.2f", e - s, u + k }'
}
runner() { seconds_of "$ORVELLO_SCRIPT" konvertuj.bat; }
by_hand() { seconds_of sh -c '"$0" "$@" hand.mp4.tmp && mv hand.mp4.tmp hand.mp4' "$ffmpeg" \
  "${options[@]}"; }

echo "A recording of $seconds s ($(du -h lecture.rm | cut -f1)), $(nproc) cores, in $base:"
printf '| pair | through the runner: wall (s) | CPU (s) | by hand: wall (s) | CPU (s) | wall ratio | CPU ratio |\n'
printf '|---:|---:|---:|---:|---:|---:|---:|\n'
: >ratios.txt
: >cpu_ratios.txt
for ((r = 1; r <= runs; ++r)); do
  if ((r % 2)); then t_runner=$(runner); t_hand=$(by_hand); else t_hand=$(by_hand); t_runner=$(runner); fi
  [ -f zaznam.mp4 ] && [ -f hand.mp4 ] || { echo "a conversion failed" >&2; exit 1; }
  read -r w_runner c_runner <<<"$t_runner"
  read -r w_hand c_hand <<<"$t_hand"
  ratio=$(awk -v a="$w_runner" -v b="$w_hand" 'BEGIN { printf "%.3f", a / b }')
  cpu_ratio=$(awk -v a="$c_runner" -v b="$c_hand" 'BEGIN { printf "%.3f", a / b }')
  echo "$ratio" >>ratios.txt
  echo "$cpu_ratio" >>cpu_ratios.txt
  printf '| %d | %s | %s | %s | %s | %s | %s |\n' "$r" "$w_runner" "$c_runner" "$w_hand" "$c_hand" \
    "$ratio" "$cpu_ratio"
  rm -f zaznam.mp4 hand.mp4
done
median() { sort -n "$1" | awk '{ v[NR] = $1 } END {
  print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
printf '\nMedian ratio: wall %s, CPU %s\n' "$(median ratios.txt)" "$(median cpu_ratios.txt)"
