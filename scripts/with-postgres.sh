#!/usr/bin/env bash
# Runs a command beside a throw-away PostgreSQL cluster and stops the cluster afterwards, also when
# the command fails or is interrupted.
#
#   scripts/with-postgres.sh [--durable] COMMAND [ARGUMENTS...]
#
# The cluster lives in a temporary folder, listens on a local socket only and belongs to an
# unprivileged user (the calling user, or "postgres" when called as root). The command sees:
#   ODBCINI                 a user-level odbc.ini with the data source below (nothing in /etc changes)
#   LUM_TEST_POSTGRES_DSN   the ODBC data source of the cluster's database ("PostgreSQL Unicode")
#   LUM_TEST_POSTGRES_CTL   a script that stops ("stop") and starts ("start") the cluster again
# Without --durable the cluster does not wait for the disk (fsync off), which is right for tests;
# benchmarks ask for --durable so that commits cost what they cost in a shop.
set -euo pipefail

durable=no
if [ "${1:-}" = "--durable" ]; then
    durable=yes
    shift
fi
if [ $# -eq 0 ]; then
    echo "usage: $0 [--durable] COMMAND [ARGUMENTS...]" >&2
    exit 2
fi

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
    echo "$0: PostgreSQL is not installed (Debian package postgresql)" >&2
    exit 1
fi

folder=$(mktemp -d "${TMPDIR:-/tmp}/lumpg.XXXXXX")
chmod 755 "$folder"
# PostgreSQL refuses to run as root: as root, the cluster belongs to an unprivileged user.
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
    owner=postgres
    id "$owner" >/dev/null 2>&1 || owner=nobody
    as_owner=(runuser -u "$owner" --)
fi
mkdir -p "$folder/data" "$folder/socket"
[ ${#as_owner[@]} -eq 0 ] || chown -R "$owner" "$folder"

options="-c listen_addresses='' -k $folder/socket -c max_connections=40"
[ "$durable" = yes ] || options="$options -c fsync=off -c synchronous_commit=off -c full_page_writes=off"

cat >"$folder/pgctl" <<EOF
#!/usr/bin/env bash
# Stops or starts the throw-away cluster in $folder.
set -e
case "\${1:-}" in
    stop) exec ${as_owner[*]} "$bindir/pg_ctl" -D "$folder/data" -m fast -w stop >/dev/null ;;
    start) exec ${as_owner[*]} "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -o "$options" -w start >/dev/null ;;
    *) echo "usage: \$0 stop|start" >&2; exit 2 ;;
esac
EOF
chmod 755 "$folder/pgctl"

stop_cluster() {
    local status=$?
    trap - EXIT INT TERM
    if [ -f "$folder/data/postmaster.pid" ]; then
        "${as_owner[@]}" "$bindir/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$folder"
    exit "$status"
}
trap stop_cluster EXIT
trap 'exit 130' INT TERM

"${as_owner[@]}" "$bindir/initdb" -D "$folder/data" -U lum -A trust -E UTF8 --locale=C.UTF-8 --no-sync \
    >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
"$folder/pgctl" start || { cat "$folder/server.log" >&2; exit 1; }
"$bindir/createdb" -h "$folder/socket" -U lum lumtest

cat >"$folder/odbc.ini" <<EOF
[lumtest]
Description = Throw-away cluster of the tests
Driver = PostgreSQL Unicode
Servername = $folder/socket
Port = 5432
Database = lumtest
Username = lum
pqopt = connect_timeout=5
ConnSettings = SET statement_timeout = 60000
EOF

export ODBCINI="$folder/odbc.ini"
export LUM_TEST_POSTGRES_DSN=lumtest
export LUM_TEST_POSTGRES_CTL="$folder/pgctl"
"$@"
