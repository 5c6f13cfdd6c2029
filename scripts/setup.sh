#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need (only what is missing);
# qt6-translations-l10n holds Qt's Hungarian texts (qtbase_hu.qm) for the standard dialogs.
# With --test also what only the tests need: a CUPS scheduler and the cups-pdf queue driver for
# the print-queue tests (printer-driver-cups-pdf is the package behind the name cups-pdf), and
# zlib for the test that reads the generated posting-list workbook.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev poppler-utils libxlsxwriter-dev fonts-liberation2 qt6-translations-l10n xvfb xauth)
if [ "${1:-}" = "--test" ]; then
  packages+=(cups printer-driver-cups-pdf zlib1g-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Hiányzó csomagok telepítése: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
