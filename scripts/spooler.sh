# A real print spooler for the printing tests: CUPS with a cups-pdf queue "PDF" as the default printer.
# Sourced by test.sh. Needs root (the daemon and lpadmin); elsewhere the spooler test skips itself.

QUADERLO_CUPS_DIR=/var/spool/cups-pdf/quaderlo-tests
QUADERLO_CUPSD_PID=

spooler_running() {
    lpstat -r 2>/dev/null | grep -q 'is running'
}

# Starts cupsd unless one is running, adds the queue once, exports QUADERLO_CUPS_OUT.
start_print_spooler() {
    [ "$(id -u)" -eq 0 ] && [ -x /usr/sbin/cupsd ] && [ -f /etc/cups/cups-pdf.conf ] || return 1
    command -v lpadmin >/dev/null || return 1
    mkdir -p "$QUADERLO_CUPS_DIR" && chmod 1777 "$QUADERLO_CUPS_DIR"
    local conf=/etc/cups/cups-pdf.conf
    if ! grep -qx "Out $QUADERLO_CUPS_DIR" "$conf"; then
        if grep -q '^Out ' "$conf"; then
            sed -i "s|^Out .*|Out $QUADERLO_CUPS_DIR|" "$conf"
        else
            echo "Out $QUADERLO_CUPS_DIR" >>"$conf"
        fi
    fi
    if ! spooler_running; then
        /usr/sbin/cupsd -f >/dev/null 2>&1 &
        QUADERLO_CUPSD_PID=$!
        for _ in $(seq 100); do spooler_running && break; sleep 0.1; done
    fi
    spooler_running || return 1
    if ! lpstat -p PDF >/dev/null 2>&1; then
        local ppd
        ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')
        [ -n "$ppd" ] || return 1
        lpadmin -p PDF -E -v cups-pdf:/ -m "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null || return 1
    fi
    lpoptions -d PDF >/dev/null || return 1
    rm -f "$QUADERLO_CUPS_DIR"/*.pdf
    export QUADERLO_CUPS_OUT=$QUADERLO_CUPS_DIR
}

# Stops the daemon only when this script started it.
stop_print_spooler() {
    if [ -n "$QUADERLO_CUPSD_PID" ]; then
        kill "$QUADERLO_CUPSD_PID" 2>/dev/null || true
        wait "$QUADERLO_CUPSD_PID" 2>/dev/null || true
        QUADERLO_CUPSD_PID=
    fi
}
