#!/usr/bin/env bash
# Installs the Debian 12 packages the player needs to build, run and test.
# Only what is missing is installed; sudo is used when not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-private-dev libgl-dev libmpv-dev libasound2-dev libxcb1-dev
  libxcb-shape0-dev qt6-wayland
  libgtest-dev libgmock-dev libbenchmark-dev
  ffmpeg xvfb xauth x11-utils x11-apps xdotool fonts-ipafont-gothic weston xwayland
  dpkg-dev file desktop-file-utils appstream
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools dbus-daemon playerctl
  pulseaudio pulseaudio-utils
  clang libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
