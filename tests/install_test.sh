#!/bin/sh
# Installs the build in $1 into a temporary prefix with cmake $3 and publishes the example lecture
# of the source tree $2 with the installed orvello-cli, waiting for both scripts; then checks
# that the installed runner ran them: the copies, the recording with its events, the cleanup.
set -eu
build=$1
source=$2
cmake=${3:-cmake}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "install test: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
for program in orvello orvello-cli orvello-script; do
  [ -x "$work/prefix/bin/$program" ] || fail "bin/$program is not installed"
done
[ -f "$work/prefix/share/applications/orvello.desktop" ] || fail "no desktop entry"
[ -f "$work/prefix/share/icons/hicolor/scalable/apps/orvello.svg" ] || fail "no icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/prefix/share/applications/orvello.desktop"
fi

cp -R "$source/examples" "$work/examples"
mkdir "$work/out"
cd "$work"
status=0
"$work/prefix/bin/orvello-cli" publish --media examples/lecture/prednaska.rm --out out \
  --style examples/Style --producer examples/Producer --wait >"$work/stdout" 2>"$work/stderr" \
  || status=$?
[ "$status" -eq 0 ] || fail "publishing ended with status $status: $(cat "$work/stderr")"
[ "$(cat "$work/stdout")" = "On line prednaska: OK" ] || fail "stdout is not the success line alone: $(cat "$work/stdout")"
grep -q "with 7 events written" "$work/stderr" || fail "proces did not run: $(cat "$work/stderr")"
for file in folie.htm p01.htm slide01.jpg klip.avi web.gif problems.htm prednaska.rm; do
  [ -f "out/$file" ] || fail "out/$file is missing"
done
cmp -s examples/lecture/prednaska.rm out/prednaska.rm || fail "the recording was not copied whole"
[ ! -e out/Skus.txt ] || fail "the copy script left Skus.txt"
[ ! -e out/kopiruj.bat ] || fail "the copy script left itself"
echo "installed into $work/prefix and published the example from there"
