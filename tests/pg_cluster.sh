#!/usr/bin/env bash
# Starts or stops the private PostgreSQL cluster of the test run: data and socket under /tmp,
# trust authentication, a port on 127.0.0.1 only. "start DIR" writes DIR/conn.txt with the
# connection string of the maintenance database; tests skip PostgreSQL only when the server
# binaries are absent.
set -euo pipefail
cmd=${1:?start|stop}
dir=${2:?state folder}
mkdir -p "$dir"
state="$dir/state"

as_pg() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

stop() {
  if [ -f "$state" ]; then
    # shellcheck disable=SC1090
    . "$state"
    if [ -n "${DATA:-}" ] && [ -d "$DATA" ]; then
      as_pg "$BIN/pg_ctl" -D "$DATA" -m immediate -w stop >/dev/null 2>&1 || true
      rm -rf "$DATA" "$SOCK"
    fi
    rm -f "$state"
  fi
  rm -f "$dir/conn.txt"
}

case "$cmd" in
stop)
  stop
  echo "PostgreSQL test cluster stopped"
  ;;
start)
  stop
  BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
  if [ -z "$BIN" ] || [ ! -x "$BIN/initdb" ]; then
    echo "PostgreSQL server binaries not found: the PostgreSQL tests will be skipped"
    exit 0
  fi
  if [ "$(id -u)" -eq 0 ] && ! id postgres >/dev/null 2>&1; then
    echo "no postgres user to run the server as" >&2
    exit 1
  fi
  DATA=$(mktemp -d /tmp/mq-pg-data.XXXXXX)
  SOCK=$(mktemp -d /tmp/mq-pg-sock.XXXXXX)
  [ "$(id -u)" -eq 0 ] && chown postgres "$DATA" "$SOCK"
  port=""
  for p in $(seq 55432 55632); do
    if ! (exec 3<>/dev/tcp/127.0.0.1/$p) 2>/dev/null; then port=$p; break; fi
  done
  [ -n "$port" ] || { echo "no free port for PostgreSQL" >&2; exit 1; }
  printf 'BIN=%q\nDATA=%q\nSOCK=%q\nPORT=%q\n' "$BIN" "$DATA" "$SOCK" "$port" > "$state"
  as_pg "$BIN/initdb" -D "$DATA" -A trust -U postgres -E UTF8 --locale=C.UTF-8 --no-sync >/dev/null
  as_pg "$BIN/pg_ctl" -D "$DATA" -l "$DATA/server.log" -w -t 60 \
    -o "-p $port -k $SOCK -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" \
    start >/dev/null
  echo "Provider=PostgreSQL;Data Source=127.0.0.1;Port=$port;Initial Catalog=postgres;User ID=postgres;Password=" > "$dir/conn.txt"
  echo "PostgreSQL test cluster on 127.0.0.1:$port"
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac
