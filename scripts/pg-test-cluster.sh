#!/usr/bin/env bash
# A throw-away PostgreSQL server for the class server's tests and benchmark.
#
#   scripts/pg-test-cluster.sh start ENVFILE   make a cluster in a new folder under /tmp, on a free
#                                              localhost port with TLS on (a certificate made for
#                                              this run), load the Kazemaru schema, make two
#                                              classes with a teacher each, and write what the
#                                              tests need to know into ENVFILE (KEY=VALUE lines)
#   scripts/pg-test-cluster.sh stop ENVFILE    stop that cluster and remove its folder and ENVFILE
#   scripts/pg-test-cluster.sh pause ENVFILE   stop that cluster's server but keep its data (a school's
#                                              server gone away while the children work)
#   scripts/pg-test-cluster.sh resume ENVFILE  start it again on the same port with the same data
#
# start first stops whatever cluster ENVFILE still names (one left by a run that was killed).
# PostgreSQL refuses to run as root: as root, the server runs as the user postgres, which
# Debian's postgresql package makes.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
command="${1:-}"
envfile="${2:-}"
if [ -z "$command" ] || [ -z "$envfile" ]; then
    echo "usage: $0 start|stop|pause|resume ENVFILE" >&2
    exit 2
fi

bindir=""
for d in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    if [ -x "$d/initdb" ] && [ -x "$d/pg_ctl" ]; then bindir="$d"; break; fi
done
if [ -z "$bindir" ]; then
    echo "PostgreSQL's server programs are missing: run scripts/setup.sh" >&2
    exit 1
fi

server_user=""
if [ "$(id -u)" -eq 0 ]; then server_user=postgres; fi
as_server() {
    if [ -n "$server_user" ]; then runuser -u "$server_user" -- "$@"; else "$@"; fi
}

value_of() { # KEY: its value in ENVFILE, or nothing
    [ -f "$envfile" ] && sed -n "s/^$1=//p" "$envfile" | head -n 1 || true
}

stop_cluster() {
    local dir
    dir="$(value_of KAZEMARU_PG_DIR)"
    if [ -n "$dir" ] && [ -d "$dir/data" ]; then
        if ! as_server "$bindir/pg_ctl" -D "$dir/data" -m immediate -w -t 20 stop >/dev/null 2>&1; then
            # pg_ctl could not stop it (or it was not running): end the postmaster of this folder
            # only, if one is still there.
            local pid
            pid="$(head -n 1 "$dir/data/postmaster.pid" 2>/dev/null || true)"
            if [ -n "$pid" ] && grep -qa -- "$dir/data" "/proc/$pid/cmdline" 2>/dev/null; then
                kill -9 "$pid" 2>/dev/null || true
            fi
        fi
    fi
    case "$dir" in
        /tmp/kazemaru-pg.*) rm -rf -- "$dir" ;;
    esac
    rm -f -- "$envfile"
}

port_in_use() {
    (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

start_cluster() {
    local dir data port attempt started=""
    dir="$(mktemp -d /tmp/kazemaru-pg.XXXXXX)"
    mkdir -p "$(dirname "$envfile")"
    echo "KAZEMARU_PG_DIR=$dir" >"$envfile"
    trap 'echo "the test cluster did not start; its log:" >&2; cat "$dir/log" >&2 2>/dev/null || true; stop_cluster' ERR
    data="$dir/data"
    mkdir -p "$dir/sock"
    chmod 755 "$dir"

    # A certificate for this run only; the tests trust it as the school's authority.
    openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 \
        -subj "/CN=localhost" -addext "subjectAltName=DNS:localhost,IP:127.0.0.1" \
        -keyout "$dir/server.key" -out "$dir/server.crt" 2>/dev/null
    chmod 600 "$dir/server.key"
    chmod 644 "$dir/server.crt"
    [ -n "$server_user" ] && chown -R "$server_user:" "$dir"

    as_server "$bindir/initdb" -D "$data" -U postgres -E UTF8 --no-locale --no-sync \
        --auth-local=trust --auth-host=scram-sha-256 >/dev/null
    cat >>"$data/postgresql.conf" <<EOF
listen_addresses = '127.0.0.1'
unix_socket_directories = '$dir/sock'
ssl = on
ssl_cert_file = '$dir/server.crt'
ssl_key_file = '$dir/server.key'
password_encryption = scram-sha-256
max_connections = 40
shared_buffers = 32MB
EOF
    # Over the network only with TLS, as the school's README asks; the socket is the superuser's.
    cat >"$data/pg_hba.conf" <<EOF
local all postgres trust
hostssl kazemaru +kazemaru_pupil,+kazemaru_teacher 127.0.0.1/32 scram-sha-256
EOF

    for attempt in 1 2 3 4 5 6 7 8; do
        port=$((20000 + RANDOM % 30000))
        port_in_use "$port" && continue
        if as_server "$bindir/pg_ctl" -D "$data" -l "$dir/log" -w -t 30 -o "-p $port" start >/dev/null; then
            started=1
            break
        fi
    done
    [ -n "$started" ]

    export PGOPTIONS="-c client_min_messages=warning"
    local psql=("$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir/sock" -p "$port" -U postgres)
    "${psql[@]}" -d postgres -c "CREATE DATABASE kazemaru"
    # Twice, as an administrator might: the second time must change nothing and fail nowhere.
    for round in 1 2; do
        for f in 01-roles.sql 02-tables.sql 03-security.sql; do
            "${psql[@]}" -d kazemaru -f "$here/packaging/server/$f" >/dev/null
        done
    done

    local pa pb ta tb
    pa="$(openssl rand -hex 12)"; pb="$(openssl rand -hex 12)"
    ta="$(openssl rand -hex 12)"; tb="$(openssl rand -hex 12)"
    "${psql[@]}" -d kazemaru -v pa="$pa" -v pb="$pb" -v ta="$ta" -v tb="$tb" >/dev/null <<'EOF'
SELECT kazemaru.add_class('4-1', '4年1組', 'class_4_1');
SELECT kazemaru.add_class('4-2', '4年2組', 'class_4_2');
SELECT kazemaru.add_teacher('teacher_a');
SELECT kazemaru.give_class('teacher_a', '4-1');
SELECT kazemaru.add_teacher('teacher_b');
SELECT kazemaru.give_class('teacher_b', '4-2');
ALTER ROLE class_4_1 PASSWORD :'pa';
ALTER ROLE class_4_2 PASSWORD :'pb';
ALTER ROLE teacher_a PASSWORD :'ta';
ALTER ROLE teacher_b PASSWORD :'tb';
EOF

    cat >"$envfile" <<EOF
KAZEMARU_PG_DIR=$dir
KAZEMARU_PG_HOST=127.0.0.1
KAZEMARU_PG_PORT=$port
KAZEMARU_PG_SOCKET=$dir/sock
KAZEMARU_PG_DATABASE=kazemaru
KAZEMARU_PG_CA=$dir/server.crt
KAZEMARU_PG_CLASS_A=4-1
KAZEMARU_PG_PUPIL_A=class_4_1
KAZEMARU_PG_PUPIL_A_PASSWORD=$pa
KAZEMARU_PG_TEACHER_A=teacher_a
KAZEMARU_PG_TEACHER_A_PASSWORD=$ta
KAZEMARU_PG_CLASS_B=4-2
KAZEMARU_PG_PUPIL_B=class_4_2
KAZEMARU_PG_PUPIL_B_PASSWORD=$pb
KAZEMARU_PG_TEACHER_B=teacher_b
KAZEMARU_PG_TEACHER_B_PASSWORD=$tb
EOF
    trap - ERR
    echo "test cluster on 127.0.0.1:$port in $dir"
}

pause_cluster() {
    as_server "$bindir/pg_ctl" -D "$(value_of KAZEMARU_PG_DIR)/data" -m fast -w -t 30 stop >/dev/null
}

resume_cluster() {
    local dir
    dir="$(value_of KAZEMARU_PG_DIR)"
    as_server "$bindir/pg_ctl" -D "$dir/data" -l "$dir/log" -w -t 30 -o "-p $(value_of KAZEMARU_PG_PORT)" \
        start >/dev/null
}

case "$command" in
    start) stop_cluster; start_cluster ;;
    stop) stop_cluster ;;
    pause) pause_cluster ;;
    resume) resume_cluster ;;
    *) echo "usage: $0 start|stop|pause|resume ENVFILE" >&2; exit 2 ;;
esac
