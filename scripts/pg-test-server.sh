# Sourced by the test command: starts a PostgreSQL server of its own in a
# temporary folder on a free loopback port, and stops it again. The tests
# find it through INVENTARI_PG (a connection string of the data layer).
pg_test_server_start() {
  local bindir
  bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
  if [ -z "$bindir" ]; then
    echo "PostgreSQL server programs not found; PostgreSQL tests will be skipped" >&2
    return 0
  fi
  PG_TEST_DIR=$(mktemp -d /tmp/inventari-pg.XXXXXX)
  PG_TEST_PORT=$(( 20000 + RANDOM % 20000 ))
  local run=()
  if [ "$(id -u)" -eq 0 ]; then
    # The server refuses to run as root.
    chown postgres: "$PG_TEST_DIR"
    run=(runuser -u postgres --)
  fi
  "${run[@]}" "$bindir/initdb" -D "$PG_TEST_DIR/data" -U inventari --auth=trust -E UTF8 >/dev/null
  "${run[@]}" "$bindir/pg_ctl" -D "$PG_TEST_DIR/data" -l "$PG_TEST_DIR/log" -w \
    -o "-c listen_addresses=127.0.0.1 -p $PG_TEST_PORT -k $PG_TEST_DIR -c fsync=off -c max_connections=200" start >/dev/null
  export PG_TEST_BINDIR="$bindir"
  export INVENTARI_PG="Provider=PostgreSQL;Host=127.0.0.1;Port=$PG_TEST_PORT;Database=postgres;User ID=inventari;Password="
  echo "PostgreSQL test server on 127.0.0.1:$PG_TEST_PORT"
}

pg_test_server_stop() {
  [ -n "${PG_TEST_DIR:-}" ] || return 0
  local run=()
  [ "$(id -u)" -eq 0 ] && run=(runuser -u postgres --)
  "${run[@]}" "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$PG_TEST_DIR"
}
