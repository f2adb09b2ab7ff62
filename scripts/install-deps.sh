#!/usr/bin/env bash
# Installs what building, testing and running Wispane Calendar needs on Debian 12,
# only what is missing, and generates the locales the tests run in: English (United
# States), Japanese, and that of every country with shipped holidays, in which the
# tests run the listing tool under Wine (without the locale Wine garbles non-ASCII
# command lines and file names).
set -euo pipefail

PACKAGES=(
  cmake g++ make python3
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  wine wine64 xvfb xauth x11-xserver-utils faketime xdotool imagemagick fonts-ipafont-gothic fonts-droid-fallback
  clang libclang-rt-14-dev
  locales
)
LOCALES=(en_US.UTF-8 ja_JP.UTF-8 en_GB.UTF-8 en_IE.UTF-8 de_DE.UTF-8 de_AT.UTF-8
  fr_FR.UTF-8 nl_BE.UTF-8 nl_NL.UTF-8 fr_LU.UTF-8 it_IT.UTF-8 es_ES.UTF-8 pt_PT.UTF-8
  pl_PL.UTF-8 cs_CZ.UTF-8 sk_SK.UTF-8 hu_HU.UTF-8 sl_SI.UTF-8 hr_HR.UTF-8 sv_SE.UTF-8
  nb_NO.UTF-8 da_DK.UTF-8 fi_FI.UTF-8 is_IS.UTF-8 et_EE.UTF-8 lv_LV.UTF-8 lt_LT.UTF-8
  el_GR.UTF-8 ro_RO.UTF-8 bg_BG.UTF-8 en_CA.UTF-8 en_ZA.UTF-8 en_IN.UTF-8)

is_installed() {
  [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == "installed" ]]
}

# locale -a lists "ja_JP.utf8" for "ja_JP.UTF-8".
locale_present() {
  local wanted
  wanted="$(tr '[:upper:]' '[:lower:]' <<<"${1/UTF-8/utf8}")"
  locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | grep -qx "$wanted"
}

as_root() {
  if [[ $EUID -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${PACKAGES[@]}"; do
  is_installed "$package" || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update
  as_root apt-get install -y "${missing[@]}"
fi

missing_locales=()
for name in "${LOCALES[@]}"; do
  locale_present "$name" || missing_locales+=("$name")
done

if ((${#missing_locales[@]})); then
  echo "Generating locales: ${missing_locales[*]}"
  for name in "${missing_locales[@]}"; do
    # Enable the line "xx_YY.UTF-8 UTF-8" in /etc/locale.gen, adding it when absent.
    if grep -Eq "^# *${name} UTF-8" /etc/locale.gen; then
      as_root sed -i -E "s/^# *(${name} UTF-8)/\1/" /etc/locale.gen
    elif ! grep -Eq "^${name} UTF-8" /etc/locale.gen; then
      echo "${name} UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    fi
  done
  as_root locale-gen
fi
