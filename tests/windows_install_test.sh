#!/bin/sh
# The Windows installer, end to end under Wine:
#
#   windows_install_test.sh BUILD SOURCE CPACK WINE_RUN
#
# makes the installer of the windows build BUILD with CPACK, installs it silently (run through
# WINE_RUN, tools/wine-run.sh), starts the installed orvello.exe in the installation's folder as
# its Start-menu entry does and sees its main window show (window_probe.exe), publishes the
# example lecture of the source tree SOURCE with the installed orvello-cli.exe and the installed
# Style folder, waiting for both scripts, and then uninstalls it. Checks that it installs for the
# user alone into the user's own programs folder, registers its uninstaller there and nowhere
# else, and leaves nothing behind, the Start-menu entry included.
set -eu
build=$1
source=$2
cpack=$3
wine=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "install test: $*" >&2
  exit 1
}
# The Windows name of a path on the build machine: Wine's drive Z: is its root.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvello'

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 \
  || fail "cpack failed: $(tail -n 20 "$work/cpack.log")"
installer=$(find "$work/package" -maxdepth 1 -name 'Orvello-*-win64.exe')
[ -n "$installer" ] || fail "no Orvello-VERSION-win64.exe: $(ls "$work/package")"

"$wine" "$installer" /S || fail "the installer ended with status $?"
programs=$("$wine" cmd /d /c echo '%LOCALAPPDATA%\Programs\Orvello' | tr -d '\r')
installed=$("$wine" winepath -u "$programs" | tr -d '\r')
for file in orvello.exe orvello-cli.exe orvello-script.exe Uninstall.exe Style/data.txt \
            Style/p00.htm Style/pomoc.htm Style/problems.htm Style/prehravac.htm \
            Style/prehravac.js Style/prehravac.css; do
  [ -f "$installed/$file" ] || fail "$programs has no $file"
done
appdata=$("$wine" cmd /d /c echo '%APPDATA%' | tr -d '\r')
shortcut="$("$wine" winepath -u "$appdata" | tr -d '\r')/Microsoft/Windows/Start Menu/Programs/Orvello.lnk"
[ -f "$shortcut" ] || fail "no Start-menu entry $shortcut"
# The entry's target is the installed program (the link holds it in UTF-16: zero bytes dropped).
tr -d '\000' <"$shortcut" | grep -q 'Programs\\Orvello\\orvello.exe' \
  || fail "the Start-menu entry does not start the installed orvello.exe"
"$wine" "$build/bin/window_probe.exe" "$programs\\orvello.exe" "$programs" "  Orvello" \
  >"$work/probe" 2>&1 || fail "orvello.exe did not show its main window: $(cat "$work/probe")"
"$wine" reg query "$key" /v InstallLocation >/dev/null 2>&1 || fail "no uninstaller for the user"
if "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvello' \
     >/dev/null 2>&1; then
  fail "the installer registered itself for the whole machine"
fi

mkdir "$work/out" "$work/Producer"
cp -R "$source/examples/lecture" "$work/lecture"
cp "$build/examples/Producer/rmevents.exe" "$work/Producer/"
status=0
"$wine" "$installed/orvello-cli.exe" publish \
  --media "$(windows_path "$work/lecture/prednaska.rm")" --out "$(windows_path "$work/out")" \
  --style "$programs\\Style" --producer "$(windows_path "$work/Producer")" \
  --ffmpeg "$(windows_path "$build/tests/converter/ffmpeg.exe")" --wait \
  >"$work/stdout" 2>"$work/stderr" || status=$?
[ "$status" -eq 0 ] || fail "publishing ended with status $status: $(cat "$work/stderr")"
[ "$(cat "$work/stdout")" = "On line prednaska: OK" ] \
  || fail "stdout is not the success line alone: $(cat "$work/stdout")"
grep -q "with 7 events written" "$work/stderr" || fail "proces did not run: $(cat "$work/stderr")"
# With the player in the installed style, konvertuj.bat converts through the converter's stand-in.
if [ -f "$installed/Style/prehravac.htm" ]; then
  for file in prehravac.htm prehravac.js kapitoly.vtt zaznam.mp4 klip03.mp4; do
    [ -f "$work/out/$file" ] || fail "the player's $file was not written"
  done
fi
for file in folie.htm p01.htm slide01.jpg klip.avi web.gif problems.htm prednaska.rm; do
  [ -f "$work/out/$file" ] || fail "out/$file is missing"
done
cmp -s "$work/lecture/prednaska.rm" "$work/out/prednaska.rm" || fail "the recording was not copied"
[ ! -e "$work/out/Skus.txt" ] || fail "the copy script left Skus.txt"
[ ! -e "$work/out/kopiruj.bat" ] || fail "the copy script left itself"

# The uninstaller runs on from a copy of itself, so that it can remove its own file: wait for it.
"$wine" "$installed/Uninstall.exe" /S || fail "the uninstaller ended with status $?"
tries=0
while [ -e "$installed" ] && [ "$tries" -lt 120 ]; do
  sleep 0.5
  tries=$((tries + 1))
done
[ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed" | tr '\n' ' ')"
if "$wine" reg query "$key" >/dev/null 2>&1; then fail "the uninstaller left its registry key"; fi
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
echo "installed into $programs, published the example from there, uninstalled"
