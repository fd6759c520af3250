# Sourced by the test command: starts a PostgreSQL server of its own in a
# temporary folder on a free loopback port, and stops it again. The tests
# find it through INVENTARI_PG (a connection string of the data layer).
# As root the server runs as the user postgres, since it refuses to run as
# root.
pg_test_server_start() {
  local bindir
  bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
  if [ -z "$bindir" ]; then
    echo "PostgreSQL server programs not found; PostgreSQL tests will be skipped" >&2
    return 0
  fi
  local run=()
  [ "$(id -u)" -eq 0 ] && run=(runuser -u postgres --)
  PG_TEST_DIR=$(mktemp -d /tmp/inventari-pg.XXXXXX)
  [ ${#run[@]} -eq 0 ] || chown postgres: "$PG_TEST_DIR"
  "${run[@]}" "$bindir/initdb" -D "$PG_TEST_DIR/data" -U inventari --auth=trust -E UTF8 >/dev/null
  # A port that another program holds makes the start fail: try others.
  local attempt
  for attempt in 1 2 3 4 5; do
    PG_TEST_PORT=$(( 20000 + RANDOM % 20000 ))
    if "${run[@]}" "$bindir/pg_ctl" -D "$PG_TEST_DIR/data" -l "$PG_TEST_DIR/log" -w \
         -o "-c listen_addresses=127.0.0.1 -p $PG_TEST_PORT -k $PG_TEST_DIR -c fsync=off -c max_connections=200" \
         start >/dev/null; then
      export PG_TEST_BINDIR="$bindir"
      export INVENTARI_PG="Provider=PostgreSQL;Host=127.0.0.1;Port=$PG_TEST_PORT;Database=postgres;User ID=inventari;Password="
      echo "PostgreSQL test server on 127.0.0.1:$PG_TEST_PORT"
      return 0
    fi
  done
  echo "PostgreSQL test server did not start:" >&2
  tail -5 "$PG_TEST_DIR/log" >&2 || true
  rm -rf "$PG_TEST_DIR"
  unset PG_TEST_DIR
  return 1
}

pg_test_server_stop() {
  [ -n "${PG_TEST_DIR:-}" ] || return 0
  local run=()
  [ "$(id -u)" -eq 0 ] && run=(runuser -u postgres --)
  "${run[@]}" "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$PG_TEST_DIR"
  unset PG_TEST_DIR
}
