#!/usr/bin/env bash
# Times lumbrafix-fetch against `curl -s -o` for one 200 MiB file from a local nginx, in one
# run, best of 5 each. Both write to the same folder. Goal: lumbrafix-fetch no slower than
# curl by more than 20%.
#
# Usage: bench/fetch_vs_curl.sh [path/to/lumbrafix-fetch]   (default: build/tools/...)
set -euo pipefail

fetch=${1:-build/tools/lumbrafix-fetch/lumbrafix-fetch}
nginx=$(command -v nginx || echo /usr/sbin/nginx)
runs=5
size_mib=200

[ -x "$fetch" ] || { echo "no lumbrafix-fetch at $fetch (build first)" >&2; exit 2; }
[ -x "$nginx" ] || { echo "nginx is not installed (tools/install-deps.sh)" >&2; exit 2; }
command -v curl >/dev/null || { echo "curl is not installed (tools/install-deps.sh)" >&2; exit 2; }

folder=$(mktemp -d /tmp/lumbrafix-fetch-bench-XXXXXX)
nginx_pid=
cleanup() {
    [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null && wait "$nginx_pid" 2>/dev/null
    rm -rf "$folder"
}
trap cleanup EXIT

mkdir -p "$folder/html" "$folder/tmp"
head -c $((size_mib * 1024 * 1024)) /dev/urandom > "$folder/html/big.bin"

start_nginx() {
    local port=$1
    cat > "$folder/nginx.conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
pid $folder/nginx.pid;
error_log $folder/error.log;
events { worker_connections 32; }
http {
    access_log off;
    sendfile on;
    client_body_temp_path $folder/tmp;
    proxy_temp_path $folder/tmp;
    fastcgi_temp_path $folder/tmp;
    uwsgi_temp_path $folder/tmp;
    scgi_temp_path $folder/tmp;
    types { application/octet-stream bin; }
    server { listen 127.0.0.1:$port; root $folder/html; }
}
CONF
    "$nginx" -p "$folder" -e error.log -c "$folder/nginx.conf" &
    nginx_pid=$!
    for _ in $(seq 100); do
        curl -s -o /dev/null "http://127.0.0.1:$port/" 2>/dev/null && return 0
        kill -0 "$nginx_pid" 2>/dev/null || { nginx_pid=; return 1; }
        sleep 0.05
    done
    return 1
}

port=
for _ in 1 2 3 4 5; do
    candidate=$((20000 + RANDOM % 30000))
    if start_nginx "$candidate"; then port=$candidate; break; fi
done
[ -n "$port" ] || { echo "nginx did not start" >&2; exit 1; }
url="http://127.0.0.1:$port/big.bin"

# Best wall-clock time of the runs of a command, in milliseconds.
best_of() {
    local best= start end ms
    for _ in $(seq $runs); do
        rm -f "$folder/out"
        start=$(date +%s%N)
        "$@" > /dev/null
        end=$(date +%s%N)
        ms=$(( (end - start) / 1000000 ))
        cmp -s "$folder/out" "$folder/html/big.bin" || { echo "$1: wrong file" >&2; exit 1; }
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}

fetch_ms=$(best_of "$fetch" --max-size 300000000 "$url" "$folder/out")
curl_ms=$(best_of curl -s -o "$folder/out" "$url")

rate() { awk -v mib=$size_mib -v ms="$1" 'BEGIN { printf "%.0f MiB/s", mib * 1000 / ms }'; }
echo "file: $size_mib MiB from nginx on 127.0.0.1, best of $runs"
echo "lumbrafix-fetch: ${fetch_ms} ms ($(rate "$fetch_ms"))"
echo "curl -s -o:      ${curl_ms} ms ($(rate "$curl_ms"))"
awk -v f="$fetch_ms" -v c="$curl_ms" 'BEGIN { printf "lumbrafix-fetch / curl: %.2f\n", f / c }'
