#!/usr/bin/env bash
# Installs the Debian packages the program, its tests and its demo need.
set -euo pipefail
packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-httpserver-dev qt6-websockets-dev
    libcurl4-openssl-dev libssl-dev openssl python3-aiosmtpd
    libmariadb-dev mariadb-server mariadb-client
    libxml2-dev libxslt1-dev
    fonts-liberation
    libxml2-utils poppler-utils
    xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
