#!/usr/bin/env bash
# Prepares a Wine prefix for running Wispane Calendar: creates it when missing
# (without Mono and Gecko, whose installers would ask with a dialog) and makes the
# Japanese font of the program's dialog templates ("ＭＳ Ｐゴシック") and its
# fixed-pitch sibling resolve to the IPA Gothic fonts of Debian's
# fonts-ipafont-gothic, so Japanese text renders legibly. The system's own fonts
# are left as Wine chooses them, but with the default character set, so that
# they suit either language whichever made the prefix.
#
#   scripts/prepare-wine-prefix.sh [PREFIX]     (default: $WINEPREFIX, else build/windows/wineprefix)
#
# Each step leaves a stamp in the prefix and is skipped while it holds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PREFIX="$(realpath -m "${1:-${WINEPREFIX:-$ROOT/build/windows/wineprefix}}")"
export WINEPREFIX="$PREFIX" WINEDEBUG=-all

if [[ ! -f "$PREFIX/.wispane-prefix-ready" ]]; then
  mkdir -p "$PREFIX"
  WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i </dev/null
  wineserver -w
  touch "$PREFIX/.wispane-prefix-ready"
fi

# The replacements are written whole (the key is emptied first), the system's fonts
# over Wine's, and again whenever the result changes: the stamp holds the checksum
# of what was imported.
regfile="$(mktemp --suffix=.reg)"
trap 'rm -f "$regfile"' EXIT
python3 - "$regfile" "$PREFIX/user.reg" <<'PY'
import re
import sys
gothic, pgothic = "IPAGothic", "IPAPGothic"
replacements = {
    "ＭＳ Ｐゴシック": pgothic, "MS PGothic": pgothic,
    "ＭＳ ゴシック": gothic, "MS Gothic": gothic,
}
key = r"HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements"
lines = ["Windows Registry Editor Version 5.00", "", f"[-{key}]", "", f"[{key}]"]
lines += [f'"{face}"="{target}"' for face, target in replacements.items()]

# Wine gives the system's fonts, among them the icon-title font the program starts
# with, the character set of the language the prefix was made in: a session in the
# other language then draws missing-glyph boxes (Japanese text in a Western face,
# English in a Japanese one without Latin letters). With the default character set
# (1) each session picks a face for its own language.
with open(sys.argv[2], encoding="utf-8", errors="replace") as registry:
    metrics = re.search(r"^\[Control Panel\\\\Desktop\\\\WindowMetrics\].*?(?=^\[|\Z)", registry.read(), re.M | re.S)
fonts = re.findall(r'^"(\w+Font)"=hex:([0-9a-f,\\\s]+)$', metrics.group(0) if metrics else "", re.M)
lines += ["", r"[HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics]"]
for name, data in fonts:
    font = bytearray.fromhex(re.sub(r"[^0-9a-f]", "", data))
    if len(font) == 92:  # a LOGFONTW: the character set is its 24th byte
        font[23] = 1
        lines.append(f'"{name}"=hex:' + ",".join(f"{byte:02x}" for byte in font))
# A text file opens in Notepad, as on Windows: the calendar's Help opens its read-me.
lines += ["", r"[HKEY_LOCAL_MACHINE\Software\Classes\.txt]", '@="txtfile"']
with open(sys.argv[1], "w", encoding="utf-16") as out:
    out.write("\r\n".join(lines) + "\r\n")
PY
checksum="$(sha1sum <"$regfile" | cut -d' ' -f1)"
if [[ "$(cat "$PREFIX/.wispane-fonts-ready" 2>/dev/null)" != "$checksum" ]]; then
  # Wine falls back to the replacements for faces the prefix does not have.
  wine regedit /S "$(winepath -w "$regfile")" </dev/null
  wineserver -w
  echo "$checksum" >"$PREFIX/.wispane-fonts-ready"
fi
echo "Wine prefix ready: $PREFIX"
