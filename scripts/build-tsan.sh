#!/usr/bin/env bash
# Configures build-tsan/ with ThreadSanitizer and builds only the tests
# labelled "threads" (the data layer's background reads and reconnection).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$here" -B "$here/build-tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE_THREAD=ON >/dev/null
cmake --build "$here/build-tsan" -j"$(nproc)" --target tst_tablecomponent tst_tablemodel tst_reconnect
