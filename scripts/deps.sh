#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, only when missing,
# so that a warm machine starts at once.
set -euo pipefail
PKGS=(g++ cmake ninja-build ccache pkg-config unzip
      qt6-base-dev libqt6opengl6-dev libgl-dev qt6-charts-dev
      libqt6sql6-sqlite libqt6sql6-psql libsqlite3-dev sqlite3
      postgresql postgresql-client
      libxlsxwriter-dev libfreexl-dev libquazip1-qt6-dev
      libgtest-dev libgmock-dev libbenchmark-dev
      fonts-wqy-microhei)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "安装缺少的软件包 / installing: ${missing[*]}" >&2
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
