#!/usr/bin/env bash
# End-to-end print test: starts a private cupsd (own configuration, socket, spool and logs under a
# temporary folder, so the machine's spooler and a user's printers are never touched), adds a raw
# queue whose backend keeps each job's document, makes it the default and runs the driver, which
# prints the reports through the real Qt print path and reads the kept PDFs back.
#
# Usage: print_e2e.sh backend-script driver [driver arguments...]
# Exits 77 (skipped) where cupsd cannot be started, except under CI=true, where that is a failure.
set -euo pipefail

readonly skip_code=77
readonly queue=rollcalc-test

backend_source=$1
shift

skip_or_fail() {
    if [ "${CI:-}" = "true" ]; then
        echo "FAIL (CI must run this test): $1" >&2
        exit 1
    fi
    echo "SKIP: $1" >&2
    exit $skip_code
}

for tool in cupsd lpadmin lpstat cupsreject cupsaccept timeout; do
    command -v "$tool" >/dev/null 2>&1 || PATH=$PATH:/usr/sbin:/sbin
    command -v "$tool" >/dev/null 2>&1 || skip_or_fail "$tool is not installed (scripts/install-deps)"
done
cups_lib=/usr/lib/cups
[ -d "$cups_lib/filter" ] || skip_or_fail "no CUPS programs in $cups_lib"

# Short path: a local socket's name must fit in about 100 characters.
work=$(mktemp -d /tmp/rollcalc-e2e.XXXXXX)
cupsd_pid=""

cleanup() {
    local rc=$?
    if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
        kill -TERM "$cupsd_pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$cupsd_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    if [ $rc -ne 0 ] && [ $rc -ne $skip_code ] && [ -f "$work/log/error_log" ]; then
        echo "--- cupsd error_log (last lines) ---" >&2
        tail -n 40 "$work/log/error_log" >&2 || true
    fi
    rm -rf "$work"
    exit $rc
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$work"/{etc,bin/backend,spool/tmp,cache,state,log,jobs,home,client}
chmod 0755 "$work" "$work/bin" "$work/bin/backend"
chmod 0700 "$work/home"

# The system's filters and helpers, and one backend of our own.
for entry in "$cups_lib"/*; do
    name=$(basename "$entry")
    [ "$name" = backend ] || ln -s "$entry" "$work/bin/$name"
done
install -m 0700 "$backend_source" "$work/bin/backend/keepjob"

if [ "$(id -u)" -eq 0 ]; then
    # A backend only its owner may read runs as root, so it can write to this root-owned folder.
    run_as=""
else
    # Unprivileged: cupsd runs its children as this user, as CUPS's own tests do.
    run_as="User $(id -un)
Group $(id -gn)"
fi

cat >"$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
ServerBin $work/bin
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ServerKeychain $work/etc/ssl
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/state/printcap
SystemGroup $(id -gn)
$run_as
CONF

cat >"$work/etc/cupsd.conf" <<CONF
LogLevel info
Listen $work/cups.sock
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

# Only this spooler and this queue, whatever the user's own settings say.
export CUPS_SERVER="$work/cups.sock"
export CUPS_SERVERROOT="$work/client"
export HOME="$work/home"
unset LPDEST PRINTER

cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" \
    >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!

started=no
deadline=$((SECONDS + 20))
while [ $SECONDS -lt $deadline ] && kill -0 "$cupsd_pid" 2>/dev/null; do
    if [ -S "$CUPS_SERVER" ] && timeout 2 lpstat -r >/dev/null 2>&1; then
        started=yes
        break
    fi
    sleep 0.1
done
if [ $started != yes ]; then
    cat "$work/log/cupsd.out" >&2 || true
    [ -f "$work/log/error_log" ] && tail -n 20 "$work/log/error_log" >&2
    skip_or_fail "cupsd could not be started here (user $(id -un))"
fi

# Raw: the backend gets the document exactly as the program handed it to the spooler. Letter, so
# that a report on the locale's A4 instead of the queue's own paper shows.
# (CUPS 2.4 warns that raw queues are deprecated; they still work.)
if ! out=$(timeout 20 lpadmin -p "$queue" -E -v "keepjob:$work/jobs" -m raw \
    -o media-default=na_letter_8.5x11in 2>&1); then
    echo "$out" >&2
    echo "FAIL: could not add the queue $queue" >&2
    exit 1
fi
timeout 20 lpadmin -d "$queue"
timeout 10 lpstat -d -v -p >&2
export PRINTER="$queue" LPDEST="$queue"

export ROLLCALC_E2E_JOBS="$work/jobs" ROLLCALC_E2E_QUEUE="$queue"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$work/home"
timeout 180 "$@"
