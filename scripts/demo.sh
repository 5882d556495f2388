#!/usr/bin/env bash
# Installs what is needed, builds, starts the private database server,
# creates the demo invoice store (once) and starts the program in demo/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-packages.sh"
bash "$here/scripts/build.sh"
bash "$here/scripts/dbserver.sh" start
# The store's and the management database's connections reach the private
# server through the client library's defaults.
eval "export $(bash "$here/scripts/dbserver.sh" env | tr '\n' ' ')"
client=(mariadb --protocol=tcp -h 127.0.0.1 -P "$MYSQL_TCP_PORT" -uroot -pkertovin_47)

demo=$here/demo
mkdir -p "$demo/xml"
if ! "${client[@]}" -e "USE xml_dosca" 2>/dev/null; then
    "${client[@]}" -e "CREATE DATABASE xml_dosca CHARACTER SET utf8mb4"
    "${client[@]}" xml_dosca <"$here/store/xml_dosca.sql"
    "${client[@]}" xml_dosca <"$here/scripts/demo-data.sql"
fi
# The management database the import reads ("Importa Fatture").
if ! "${client[@]}" -e "USE a2020" 2>/dev/null; then
    "${client[@]}" -e "CREATE DATABASE a2020 CHARACTER SET utf8mb4"
    "${client[@]}" a2020 <"$here/import/a2020.sql"
    "${client[@]}" a2020 <"$here/scripts/demo-a2020.sql"
fi
# Server, database, desk title.
printf '127.0.0.1\r\nxml_dosca\r\nA\r\n' >"$demo/ip.ini"
cd "$demo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$here/build/app/fatturazione" "$@"
fi
exec "$here/build/app/fatturazione" "$@"
