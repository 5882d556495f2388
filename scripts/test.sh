#!/usr/bin/env bash
# Installs what is needed, builds, starts the private database server and
# runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-packages.sh"
bash "$here/scripts/build.sh"
bash "$here/scripts/dbserver.sh" start
export FATTURAZIONE_DB_PORT=${FATTURAZIONE_DB_PORT:-3406}
# The management database's connection reaches the server by its socket.
eval "export $(bash "$here/scripts/dbserver.sh" env | tr '\n' ' ')"
export QT_QPA_PLATFORM=offscreen
cd "$here/build"
ctest --output-on-failure -j2 "$@"
