#!/bin/sh
# Runs a Windows program under Wine, as the windows preset's tests do (it is their emulator):
#
#   tools/wine-run.sh PROGRAM.exe [ARG...]
#
# WINEPREFIX       the Wine prefix; default: one of this user's under $TMPDIR. A missing or empty
#                  prefix is made once (wineboot) before the first program runs in it.
# ORVELLO_WINE_LANG  the locale the program sees (default sk_SK.UTF-8: a Slovak Windows, code
#                  pages 1250 and 852). It is compiled into the prefix's folder the first time.
#
# The program's exit status is the wrapper's. Wine's own chatter is off (WINEDEBUG=-all).
set -eu
wine=${ORVELLO_WINE:-/usr/lib/wine/wine64}
WINEPREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/orvello-wine-$(id -u)}
WINEDEBUG=-all
export WINEPREFIX WINEDEBUG
lang=${ORVELLO_WINE_LANG:-sk_SK.UTF-8}
locales=$WINEPREFIX/orvello-locales

mkdir -p "$WINEPREFIX"
# Several tests may start at once: one of them prepares the prefix, the others wait for it.
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot --init >/dev/null 2>&1 || { echo "wine-run: wineboot failed" >&2; exit 1; }
    # Wine draws the windows' frames itself: with no window manager on the virtual display, a
    # managed window waits for answers that never come, and every window test slows to seconds.
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 \
      || { echo "wine-run: cannot configure the prefix" >&2; exit 1; }
  fi
  case $lang in
    C | C.* | POSIX) ;;
    *)
      if [ ! -d "$locales/$lang" ]; then
        mkdir -p "$locales"
        localedef -i "${lang%%.*}" -f "${lang#*.}" "$locales/$lang" 2>/dev/null \
          || [ -d "$locales/$lang" ] || { echo "wine-run: cannot compile $lang" >&2; exit 1; }
      fi
      ;;
  esac
) 9>"$WINEPREFIX/.orvello-lock"

LANG=$lang
LC_ALL=$lang
LOCPATH=$locales
export LANG LC_ALL LOCPATH
exec "$wine" "$@"
