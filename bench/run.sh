#!/usr/bin/env bash
# Measures `orvello-cli publish --no-start` on generated lectures of 98 and 999 segments against
# `cp -r` of the output folder it produced, in the same run on the same machine: wall time and
# peak resident memory of the whole process: the fastest of several runs each (the least
# disturbed by whatever else the machine does) and the highest peak. Then the same for a timing
# file of one 50 MB line, whose peak memory must stay within about twice the line.
#
#   bench/run.sh                  builds a release orvello-cli into build/bench and measures
#   ORVELLO_CLI=path bench/run.sh measures that binary instead
#   ORVELLO_BENCH_RUNS=n          runs per measurement (default 7)
#   ORVELLO_BENCH_DIR=folder      where lectures and outputs go (default /dev/shm, a tmpfs, so
#                                 that the figures show the program's work and not the state of
#                                 a disk's inode allocator; give a folder on disk to measure that)
#
# Each lecture: templates of a few KB, every tenth segment an HTML page of 100 KB, the others
# pictures. Needs GNU time (/usr/bin/time, Debian package `time`).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${ORVELLO_BENCH_RUNS:-7}

if [ ! -x /usr/bin/time ]; then
  echo "bench/run.sh needs GNU time: apt-get install -y time" >&2
  exit 1
fi
if [ -z "${ORVELLO_CLI:-}" ]; then
  cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DORVELLO_BUILD_GUI=OFF >/dev/null
  cmake --build "$root/build/bench" --target orvello-cli -j"$(nproc)" >/dev/null
  ORVELLO_CLI=$root/build/bench/bin/orvello-cli
fi

base=${ORVELLO_BENCH_DIR:-/dev/shm}
[ -d "$base" ] || base=${TMPDIR:-/tmp}
work=$(mktemp -d "$base/orvello-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "In $base ($(stat -f -c %T "$base")), fastest of $runs runs, $(nproc) cores:"

# A text of about `kb` KB: numbered lines of filler, CR LF line ends, no marker characters.
filler() {
  local kb=$1 line
  line="Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt"
  for ((k = 0; k < kb * 1024 / 100; ++k)); do printf '<P>%05d %s</P>\r\n' "$k" "$line"; done
}

make_style() {
  local style=$1 asset
  mkdir -p "$style"
  for asset in problems.htm freeplayer_g2.gif web.gif video.gif; do printf 'x' >"$style/$asset"; done
  { printf '<HTML>\r\n<HEAD><TITLE>P</TITLE></HEAD>\r\n<BODY>\r\n'
    printf '<A HREF="$">prev</A> <A HREF="@">next</A> <A HREF="%%">nav</A>\r\n'
    printf '<IFRAME SRC="#"></IFRAME>\r\n'
    filler 3
    printf '</BODY>\r\n</HTML>\r\n'; } >"$style/p00.htm"
  { printf '<HTML>\r\n<FRAMESET ROWS="60,*">\r\n<FRAME SRC="#">\r\n<FRAME SRC="$">\r\n'
    printf '<NOFRAMES>\r\n'
    filler 2
    printf '</NOFRAMES>\r\n</FRAMESET>\r\n</HTML>\r\n'; } >"$style/f00.htm"
  { printf '<HTML>\r\n<BODY>\r\n<A HREF="#">play</A>\r\n'
    printf '<SELECT>\r\n&</SELECT>\r\n<SELECT>\r\n%%</SELECT>\r\n'
    filler 4
    printf '</BODY>\r\n</HTML>\r\n'; } >"$style/n00.htm"
}

# Four bytes of $1, big-endian.
be32() {
  local v=$1
  printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((v >> 24 & 255)) $((v >> 16 & 255)) \
    $((v >> 8 & 255)) $((v & 255)))"
}

# A RealMedia header of a recording $1 milliseconds long: the file header chunk, then the
# properties chunk with the duration after its version and five other counts.
recording_header() {
  printf '.RMF'; be32 18; printf '\0\0\0\0\0\0\0\0\0\0'
  printf 'PROP'; be32 50; printf '\0%.0s' {1..22}; be32 "$1"; printf '\0%.0s' {1..16}
}

# A lecture the check before publishing finds nothing in: a recording as long as its segments,
# and every segment file in place.
make_lecture() {
  local dir=$1 count=$2 i t page
  mkdir -p "$dir"
  recording_header $((count * 10 * 1000)) >"$dir/lecture.rm"
  page=$(filler 100)
  : >"$dir/lecture.txt"
  for ((i = 1; i <= count; ++i)); do
    t=$(((i - 1) * 10))
    if ((i % 10 == 0)); then
      printf '%s\r\n' "$page" >"$dir/page$i.htm"
      printf '%02d:%02d:%02d %02d:%02d:%02d H page%d.htm\r\n' $((t / 3600)) $((t / 60 % 60)) \
        $((t % 60)) $(((t + 10) / 3600)) $(((t + 10) / 60 % 60)) $(((t + 10) % 60)) "$i"
    else
      printf 'JPEG' >"$dir/slide$i.jpg"
      printf '%02d:%02d:%02d %02d:%02d:%02d P slide%d.jpg\r\n' $((t / 3600)) $((t / 60 % 60)) \
        $((t % 60)) $(((t + 10) / 3600)) $(((t + 10) / 60 % 60)) $(((t + 10) % 60)) "$i"
    fi
  done >>"$dir/lecture.txt"
}

# Runs "$@" under GNU time; prints "seconds kilobytes": the wall time measured around it to the
# microsecond (GNU time's own counts in hundredths) and the peak resident set that GNU time saw.
measure() {
  local start end
  start=$EPOCHREALTIME
  /usr/bin/time -f '%M' -o "$work/time.txt" "$@" >/dev/null
  end=$EPOCHREALTIME
  echo "$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.6f", e - s }') $(cat "$work/time.txt")"
}

fastest() { sort -n | head -1; }

make_style "$work/style"
mkdir -p "$work/producer"
printf '| segments | output | publish (s) | cp -r (s) | ratio | publish peak RSS (MB) | cp -r peak RSS (MB) |\n'
printf '|---:|---:|---:|---:|---:|---:|---:|\n'
for count in 98 999; do
  lecture=$work/lecture$count
  make_lecture "$lecture" "$count"
  : >"$work/publish.txt"
  : >"$work/copy.txt"
  # Every run writes into folders of its own, all removed only at the end: creating files right
  # after thousands were deleted costs the file system far more than creating them afresh.
  for ((r = 0; r < runs; ++r)); do
    out=$work/out-$count-$r
    mkdir "$out"
    measure "$ORVELLO_CLI" publish --media "$lecture/lecture.rm" --out "$out" \
      --style "$work/style" --producer "$work/producer" --no-start >>"$work/publish.txt"
    measure cp -r "$out" "$work/copy-$count-$r" >>"$work/copy.txt"
  done
  size=$(du -sh --apparent-size "$out" | cut -f1)
  files=$(find "$out" -type f | wc -l)
  publish_s=$(cut -d' ' -f1 "$work/publish.txt" | fastest)
  copy_s=$(cut -d' ' -f1 "$work/copy.txt" | fastest)
  publish_kb=$(cut -d' ' -f2 "$work/publish.txt" | sort -n | tail -1)
  copy_kb=$(cut -d' ' -f2 "$work/copy.txt" | sort -n | tail -1)
  awk -v n="$count" -v size="$size" -v files="$files" -v p="$publish_s" -v c="$copy_s" \
    -v pk="$publish_kb" -v ck="$copy_kb" 'BEGIN {
      printf "| %d | %s in %d files | %.3f | %.3f | %.2f | %.1f | %.1f |\n",
             n, size, files, p, c, (c > 0 ? p / c : 0), pk / 1024, ck / 1024 }'
done

# The same lectures with the player: the style holds prehravac.htm (4 KB, one data marker) and
# its two assets, so the run also writes the player page, the chapters and konvertuj.bat. The
# converter named is a missing program, so that the check before publishing runs no ffmpeg on the
# generated header: this measures the run itself. Taken in turns with the style without it.
cp -r "$work/style" "$work/player-style"
{ printf '<!DOCTYPE html>
<html lang="sk">
<head>
<meta charset="utf-8">
<!--prednaska-->
'
  printf '</head>
<body>
'; filler 4; printf '<script src="prehravac.js"></script>
</body>
</html>
'
} >"$work/player-style/prehravac.htm"
printf 'x' >"$work/player-style/prehravac.js"
printf 'x' >"$work/player-style/prehravac.css"
printf '\n| segments | without the player (s) | with the player (s) | ratio | peak RSS without (MB) | with (MB) |\n'
printf '|---:|---:|---:|---:|---:|---:|\n'
for count in 98 999; do
  lecture=$work/lecture$count
  : >"$work/without.txt"
  : >"$work/with.txt"
  for ((r = 0; r < runs; ++r)); do
    for style in style player-style; do
      out=$work/out-$style-$count-$r
      mkdir "$out"
      measure "$ORVELLO_CLI" publish --media "$lecture/lecture.rm" --out "$out" \
        --style "$work/$style" --producer "$work/producer" --ffmpeg "$work/no-ffmpeg" \
        --no-start >>"$work/$([ $style = style ] && echo without || echo with).txt" 2>/dev/null
    done
  done
  awk -v n="$count" -v a="$(cut -d' ' -f1 "$work/without.txt" | fastest)" \
    -v b="$(cut -d' ' -f1 "$work/with.txt" | fastest)" \
    -v ak="$(cut -d' ' -f2 "$work/without.txt" | sort -n | tail -1)" \
    -v bk="$(cut -d' ' -f2 "$work/with.txt" | sort -n | tail -1)" 'BEGIN {
      printf "| %d | %.3f | %.3f | %.2f | %.1f | %.1f |\n", n, a, b, (a > 0 ? b / a : 0),
             ak / 1024, bk / 1024 }'
done

# One segment whose file name is a line of 50 MB: the reader must take it in linear time, and the
# run must hold it about once (peak RSS / line near 1, and never much above 2).
long=$work/long
mkdir -p "$long"
printf 'RMF' >"$long/lecture.rm"
line_mb=50
{ printf '00:00:00 00:05:30 P '; head -c $((line_mb * 1024 * 1024)) /dev/zero | tr '\0' x
  printf '\r\n'; } >"$long/lecture.txt"
: >"$work/long.txt"
for ((r = 0; r < runs; ++r)); do
  out=$work/out-long
  mkdir "$out"
  # The check before publishing reports the name no file system takes, and the recording.
  measure "$ORVELLO_CLI" publish --media "$long/lecture.rm" --out "$out" --style "$work/style" \
    --producer "$work/producer" --no-start >>"$work/long.txt" 2>/dev/null
  rm -rf "$out"
done
long_s=$(cut -d' ' -f1 "$work/long.txt" | fastest)
long_kb=$(cut -d' ' -f2 "$work/long.txt" | sort -n | tail -1)
printf '\n| timing file | publish (s) | publish peak RSS (MB) | peak RSS / line |\n'
printf '|---|---:|---:|---:|\n'
awk -v mb="$line_mb" -v p="$long_s" -v pk="$long_kb" 'BEGIN {
  printf "| one line of %d MB | %.3f | %.1f | %.2f |\n", mb, p, pk / 1024, pk / 1024 / mb }'
