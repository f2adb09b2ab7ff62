#!/usr/bin/env bash
# Runs a command that opens windows under Wine: on the display named in DISPLAY when
# there is one, otherwise on a virtual display of its own. A Wine server left from
# programs without a display is waited for first, and the command's own server before
# its display goes away.
set -u
if [[ -n "${DISPLAY:-}" ]]; then
  exec "$@"
fi
wineserver -w
exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '"$@"; status=$?; wineserver -w; exit $status' _ "$@"
