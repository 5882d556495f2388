#!/usr/bin/env bash
# Starts or stops the project's private MariaDB server: Debian's mariadbd as
# a plain background process with its own option file and data folder,
# listening on 127.0.0.1 only.
#
#   scripts/dbserver.sh start   start it (does nothing if it already runs)
#   scripts/dbserver.sh stop    stop it
#   scripts/dbserver.sh kill    end it at once, as a crash would (kill -9)
#   scripts/dbserver.sh env     print the variables that point clients at it
#
# The folder (default .dbserver/ in the project, git-ignored) and the port
# (default 3406) can be changed with FATTURAZIONE_DB_DIR / FATTURAZIONE_DB_PORT.
# The server flushes InnoDB's log at every commit, so a committed invoice
# survives a crash of the machine. FATTURAZIONE_DB_FAST_COMMIT=1 (the test
# suite's setting, read at start) flushes it once a second instead.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
dir=${FATTURAZIONE_DB_DIR:-$here/.dbserver}
port=${FATTURAZIONE_DB_PORT:-3406}
password=kertovin_47
cnf=$dir/my.cnf
pidfile=$dir/mariadbd.pid
socket=$dir/mariadbd.sock

running() {
    [ -f "$pidfile" ] || return 1
    local pid state
    pid=$(cat "$pidfile" 2>/dev/null) || return 1
    [ -n "$pid" ] && [ -r "/proc/$pid/stat" ] || return 1
    # A killed server can linger as a zombie: only a live process counts.
    state=$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null) || return 1
    [ "$state" != Z ] && [ "$state" != X ]
}

answers() {
    mariadb-admin --defaults-file="$cnf" --protocol=tcp -h 127.0.0.1 -P "$port" \
        -uroot -p"$password" --connect-timeout=2 ping >/dev/null 2>&1
}

write_config() {
    local flush_log=1 doublewrite=1
    if [ "${FATTURAZIONE_DB_FAST_COMMIT:-0}" = 1 ]; then
        flush_log=2
        doublewrite=0
    fi
    mkdir -p "$dir/data" "$dir/tmp"
    cat >"$cnf" <<CNF
[mariadbd]
user=root
datadir=$dir/data
tmpdir=$dir/tmp
socket=$socket
pid-file=$pidfile
port=$port
bind-address=127.0.0.1
log-error=$dir/mariadbd.err
character-set-server=utf8mb4
collation-server=utf8mb4_general_ci
innodb_buffer_pool_size=256M
innodb_flush_log_at_trx_commit=$flush_log
innodb_doublewrite=$doublewrite
skip-log-bin
[client]
socket=$socket
CNF
}

initialise() {
    local init=$dir/init.sql
    # FLUSH PRIVILEGES must come first, or ALTER USER is refused here.
    cat >"$init" <<SQL
FLUSH PRIVILEGES;
ALTER USER 'root'@'localhost' IDENTIFIED VIA mysql_native_password USING PASSWORD('$password');
CREATE USER IF NOT EXISTS 'root'@'127.0.0.1' IDENTIFIED BY '$password';
GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION;
FLUSH PRIVILEGES;
SQL
    mariadb-install-db --defaults-file="$cnf" --auth-root-authentication-method=normal \
        --skip-test-db --extra-file="$init" >"$dir/install.log" 2>&1 || {
        cat "$dir/install.log" >&2
        exit 1
    }
}

start() {
    if running && answers; then
        return 0
    fi
    write_config
    [ -d "$dir/data/mysql" ] || initialise
    mariadbd --defaults-file="$cnf" >/dev/null 2>&1 &
    for _ in $(seq 1 120); do
        if answers; then
            return 0
        fi
        sleep 0.5
    done
    echo "Il server MariaDB privato non risponde; vedi $dir/mariadbd.err" >&2
    tail -20 "$dir/mariadbd.err" >&2 || true
    exit 1
}

stop() {
    running || return 0
    local pid
    pid=$(cat "$pidfile")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 120); do
        running || return 0
        sleep 0.5
    done
    kill -9 "$pid" 2>/dev/null || true
}

crash() {
    running || return 0
    local pid
    pid=$(cat "$pidfile")
    kill -9 "$pid" 2>/dev/null || true
    for _ in $(seq 1 120); do
        running || return 0
        sleep 0.1
    done
}

case "${1:-}" in
start) start ;;
stop) stop ;;
kill) crash ;;
env)
    echo "MYSQL_TCP_PORT=$port"
    echo "MYSQL_UNIX_PORT=$socket"
    ;;
*)
    echo "uso: $0 start|stop|kill|env" >&2
    exit 2
    ;;
esac
