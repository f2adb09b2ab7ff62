#!/usr/bin/env bash
# Installs what building, testing and running Wispane Calendar needs on Debian 12,
# only what is missing, and generates the two locales the tests run in.
set -euo pipefail

PACKAGES=(
  cmake g++ make python3
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  wine wine64 xvfb xauth x11-xserver-utils faketime xdotool imagemagick fonts-ipafont-gothic fonts-droid-fallback
  clang libclang-rt-14-dev
  locales
)
LOCALES=(en_US.UTF-8 ja_JP.UTF-8)

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
