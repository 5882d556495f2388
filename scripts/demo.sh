#!/usr/bin/env bash
# Installs what is needed, builds, starts the private database server,
# creates the demo invoice store (once) and starts the program in demo/,
# with the transmission service beside it. The service mails to a local
# mail catcher that keeps every message in demo/posta/new/ instead of
# sending it; both stop when the program ends.
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
else
    # An existing store gets the schema changes made since it was created.
    for migration in "$here"/store/migrations/*.sql; do
        "${client[@]}" xml_dosca <"$migration"
    done
fi
# The management database the import reads ("Importa Fatture").
if ! "${client[@]}" -e "USE a2020" 2>/dev/null; then
    "${client[@]}" -e "CREATE DATABASE a2020 CHARACTER SET utf8mb4"
    "${client[@]}" a2020 <"$here/import/a2020.sql"
    "${client[@]}" a2020 <"$here/scripts/demo-a2020.sql"
fi
# Server, database, desk title, root of the transmission service.
printf '127.0.0.1\r\nxml_dosca\r\nA\r\nhttp://localhost:8080\r\n' >"$demo/ip.ini"
mkdir -p "$demo/ricevute"
mailport=${FATTURAZIONE_DEMO_SMTP_PORT:-2525}
cat >"$demo/servizio.ini" <<INI
; Transmission service of the demo: messages go to the local mail catcher.
[http]
porta=8080
[smtp]
server=127.0.0.1
porta=$mailport
sicurezza=nessuna
mittente=amministrazione@dosca.example
[cartelle]
; the files to send are taken from the company's folder (xml/)
ricevute=ricevute
INI
cd "$demo"
/usr/bin/python3 -m aiosmtpd -n -l "127.0.0.1:$mailport" -c aiosmtpd.handlers.Mailbox "$demo/posta" &
catcher=$!
"$here/build/app/fatturazione" servizio --impostazioni "$demo/servizio.ini" &
service=$!
trap 'kill "$service" "$catcher" 2>/dev/null || true' EXIT
trap 'exit 130' INT TERM
echo "Messaggi inviati dal servizio: $demo/posta/new/"
echo "Fatture ricevute da caricare: $demo/ricevute/"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$here/build/app/fatturazione" "$@"
else
    "$here/build/app/fatturazione" "$@"
fi
