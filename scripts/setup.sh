#!/usr/bin/env bash
# Installs the Debian packages Pellax needs to build, run and test. As root it
# installs what is missing; otherwise it prints the one command that would.
set -euo pipefail

packages=(
  g++ make cmake ninja-build
  qt6-base-dev qt6-qpa-plugins qt6-wayland
  libgtest-dev libbenchmark-dev
  # MPQ archives, where the game and mods keep their files.
  libstorm-dev
  fonts-liberation
  # The package and desktop-integration tests: dpkg-shlibdeps, file and strip
  # for the package, the validators and lintian that check what gets installed,
  # update-mime-database for the file types, rsvg-convert to draw the SVG icon.
  dpkg-dev file binutils lintian desktop-file-utils appstream shared-mime-info librsvg2-bin
  # The README's command-line examples, which a test runs, pipe JSON through jq.
  jq
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Pellax needs these packages. Please run:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
