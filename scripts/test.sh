#!/usr/bin/env bash
# Installs what is needed, builds, starts the private database server and
# runs every test; then builds the tests that run threads with
# ThreadSanitizer (build-tsan/) and runs them again there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-packages.sh"
bash "$here/scripts/build.sh"
# The tests need no crash-proof commits; the benchmarks print the setting.
export FATTURAZIONE_DB_FAST_COMMIT=1
bash "$here/scripts/dbserver.sh" start
export FATTURAZIONE_DB_PORT=${FATTURAZIONE_DB_PORT:-3406}
# The management database's connection reaches the server by its socket.
eval "export $(bash "$here/scripts/dbserver.sh" env | tr '\n' ' ')"
export QT_QPA_PLATFORM=offscreen
cd "$here/build"
ctest --output-on-failure -j2 "$@"

bash "$here/scripts/build-tsan.sh"
cd "$here/build-tsan"
# The tests start the server script from a threaded process (fork, then exec).
export TSAN_OPTIONS="halt_on_error=1 die_after_fork=0 second_deadlock_stack=1 suppressions=$here/scripts/tsan.supp"
ctest --output-on-failure -L threads "$@"
