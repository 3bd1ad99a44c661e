#!/usr/bin/env bash
# End to end, as an ordinary user of a system install meets the program: the install rules
# put the program into a folder the user may not write (as root the session runs as
# "nobody" with a home of its own; otherwise the program folder is made read-only), the
# administrator has chosen German machine-wide, and a local nginx on 127.0.0.1 serves a new
# database. The user starts the program (German, read from the machine-wide value), updates
# the database (it lands in the user's data folder), chooses English, and starts again:
# English, and a search finds a line only the new database has.
#   InstalledForAnOrdinaryUser.sh BUILD
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
chmod 755 "$work"
nginx_pid=
cleanup() {
    [ -z "$nginx_pid" ] || kill "$nginx_pid" 2>/dev/null || true
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "InstalledForAnOrdinaryUser: $*" >&2; exit 1; }
nginx=$(command -v nginx || echo /usr/sbin/nginx)
[ -x "$nginx" ] || { echo "InstalledForAnOrdinaryUser: Debian's nginx is needed; skipped"; exit 0; }

DESTDIR=$work/root cmake --install "$build" --prefix /opt/lumbrafix >/dev/null
program=$work/root/opt/lumbrafix/lumbrafix
machine=$work/root/var/lib/lumbrafix
home=$work/home
mkdir -p "$machine/HKEY_LOCAL_MACHINE/Software/Lumbrafix" "$home"
printf 'REG_SZ 7\nGerman\0\n' >"$machine/HKEY_LOCAL_MACHINE/Software/Lumbrafix/@Language"
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$home"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
    chmod -R a-w "$work/root"
    as_user=()
fi

# The server: the new database holds one line no shipped one has.
mkdir -p "$work/www/html" "$work/www/tmp"
printf 'zzq;Lumbrafix test type;Test program;Unix\r\n' >"$work/new.txt"
"$build/tools/lumbrafix-db/lumbrafix-db" encipher "$work/new.txt" "$work/www/html/marbelin_ext.txt" >/dev/null
for _ in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 40000))
    sed "s|PREFIX|$work/www|g; s|PORT|$port|" >"$work/www/nginx.conf" <<'CONF'
daemon off;
master_process off;
pid PREFIX/nginx.pid;
error_log PREFIX/error.log;
events { worker_connections 16; }
http {
    access_log off;
    client_body_temp_path PREFIX/tmp;
    proxy_temp_path PREFIX/tmp;
    fastcgi_temp_path PREFIX/tmp;
    uwsgi_temp_path PREFIX/tmp;
    scgi_temp_path PREFIX/tmp;
    server { listen 127.0.0.1:PORT; root PREFIX/html; }
}
CONF
    rm -f "$work/www/error.log"
    "$nginx" -p "$work/www" -e "$work/www/error.log" -c "$work/www/nginx.conf" 2>/dev/null &
    nginx_pid=$!
    sleep 0.5
    # A port someone else holds: nginx logs the failed bind at once, then keeps retrying.
    if kill -0 "$nginx_pid" 2>/dev/null && ! grep -q "bind()" "$work/www/error.log"; then
        break
    fi
    kill "$nginx_pid" 2>/dev/null || true
    wait "$nginx_pid" 2>/dev/null || true
    nginx_pid=
done
[ -n "$nginx_pid" ] || fail "nginx did not start: $(tail -n 3 "$work/www/error.log")"

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
work=$1 program=$2 machine=$3 port=$4
shift 4
as_user=("$@")
fail() { echo "$*"; exit 1; }
# A step that fails outside fail() (a window gone before xdotool reaches it) names itself.
trap 'echo "InstalledForAnOrdinaryUser: line $LINENO failed: $BASH_COMMAND" >&2' ERR

# Starts the program as the user and waits for its main window. A sanitizer build keeps its
# options (the leak suppressions of system libraries).
start() {
    "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" DISPLAY="$DISPLAY" \
        LSAN_OPTIONS="${LSAN_OPTIONS-}" ASAN_OPTIONS="${ASAN_OPTIONS-}" \
        LANG=C.UTF-8 QT_QPA_PLATFORM=xcb LUMBRAFIX_MACHINE_DIR="$machine" \
        LUMBRAFIX_UPDATE_HOST="127.0.0.1:$port" "$program" >>"$work/program.log" 2>&1 &
    app=$!
    main=$(window_named "Lumbrafix v1.2 - ")
}
# The newest visible window whose title contains the text, waited for up to 30 s.
window_named() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no window named \"$1\": $(tail -n 5 "$work/program.log")"
}
click() { sleep 0.3; xdotool mousemove --window "$1" "$2" "$3" click 1; }
quit() {
    click "$main" 704 500
    for _ in $(seq 150); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    wait "$app" || fail "the program ended with status $?: $(tail -n 5 "$work/program.log")"
}
# The main window's title comes to contain the text within 10 s (a loaded machine may take a
# while to repaint after a language switch).
title_has() {
    for _ in $(seq 100); do
        xdotool getwindowname "$main" | grep -q "$1" && return
        sleep 0.1
    done
    fail "main window title: $(xdotool getwindowname "$main")"
}

start
title_has "Das Offline"                      # the administrator's language
click "$main" 669 52                         # Internet update: Details
update=$(window_named "Internet-Update")
click "$update" 300 100                      # Download starten
box=$(window_named "Informationen")
xdotool windowfocus "$box" key Return
click "$update" 344 156                      # Schliessen
click "$main" 669 148                        # Language and information: Details
about=$(window_named "Information und Sprache")
click "$about" 160 411                       # the language list
sleep 0.5
xdotool key Down Return                      # English
click "$about" 371 412                       # Schliessen
sleep 0.5
title_has "The offline"
quit
cmp -s "$work/home/.local/share/lumbrafix/marbelin_ext.txt" "$work/www/html/marbelin_ext.txt" ||
    fail "the update is not in the user's data folder"

start
title_has "The offline"                      # the user's own choice holds
click "$main" 150 40
xdotool type --delay 30 zzq
xdotool key Return
sleep 1
import -window "$main" "$work/shot.png"
green=$(convert "$work/shot.png" -crop 552x280+8+200 +repage -fill black +opaque "rgb(0,128,0)" \
    -fill white -opaque "rgb(0,128,0)" -format '%[fx:round(mean*w*h)]' info:)
[ "$green" -gt 100 ] || fail "no hit for the new database's line (green pixels: $green)"
quit
SESSION

status=0
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-ac -screen 0 1024x768x24" \
    bash "$work/session.sh" "$work" "$program" "$machine" "$port" "${as_user[@]}" || status=$?
[ -f "$work/root/opt/lumbrafix/marbelin_ext.txt" ] && cmp -s "$work/root/opt/lumbrafix/marbelin_ext.txt" "$build/src/marbelin_ext.txt" ||
    fail "the installed database changed"
exit $status
