# Shared by the scripts that drive Quaderlo under a real X server: the X session, the program in a
# fresh program folder, waits on its map of control positions, clicks, screenshots and file checks.
# Sourced; the caller sets STRADE_OUT (screenshots folder) before calling sessione_avvia.

STRADE_ATTESA=${STRADE_ATTESA:-20} # seconds any one condition may take
SESSIONE_PIDS=()
SCATTO=0

passo() { echo "== $*"; }
ok() { echo "   ok: $*"; }

errore() {
    echo "ERRORE: $*" >&2
    [ -n "${ULTIMO_CLIC:-}" ] && echo "   ultimo clic: $ULTIMO_CLIC" >&2
    if [ -n "${DISPLAY:-}" ] && [ -n "${STRADE_OUT:-}" ]; then
        import -window root "$STRADE_OUT/errore.png" 2>/dev/null && echo "   schermo: $STRADE_OUT/errore.png" >&2
    fi
    if [ -n "${MAPPA:-}" ] && [ -f "$MAPPA" ]; then
        cp "$MAPPA" "$STRADE_OUT/mappa-errore.txt" 2>/dev/null
        echo "--- finestre e controlli visibili:" >&2
        cat "$MAPPA" >&2
    fi
    local log
    for log in "${LAVORO:-/nonesiste}"/{xvfb,openbox,quaderlo}.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log"):" >&2; cat "$log" >&2; }
    done
    exit 1
}

richiedi_comandi() {
    local manca=()
    for c in "$@"; do command -v "$c" >/dev/null 2>&1 || manca+=("$c"); done
    [ ${#manca[@]} -eq 0 ] || errore "mancano ${manca[*]}: installali con scripts/deps.sh (source scripts/deps.sh; install_missing \"\${QUADERLO_TEST_PACKAGES[@]}\")"
}

adesso_ms() { date +%s%3N; }

# Repeats a command until it succeeds, for at most STRADE_ATTESA seconds.
attendi() {
    local cosa=$1
    shift
    local fine=$(($(adesso_ms) + STRADE_ATTESA * 1000))
    until "$@"; do
        [ "$(adesso_ms)" -lt "$fine" ] || errore "dopo ${STRADE_ATTESA} s ancora no: $cosa"
        sleep 0.05
    done
}

sessione_chiudi() {
    local i
    for ((i = ${#SESSIONE_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${SESSIONE_PIDS[i]}" 2>/dev/null || true
    done
    for ((i = ${#SESSIONE_PIDS[@]} - 1; i >= 0; i--)); do
        wait "${SESSIONE_PIDS[i]}" 2>/dev/null || true
    done
    SESSIONE_PIDS=()
    [ -n "${LAVORO:-}" ] && rm -rf "$LAVORO"
}

wm_pronto() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Xvfb on the first free display, with openbox so windows get title bars and real placement.
xdpyinfo_ok() { xdpyinfo >/dev/null 2>&1; }

# Starts openbox again whenever it has given up (a display still settling on a loaded machine).
openbox_pronto() {
    if [ -z "$OPENBOX_PID" ] || ! kill -0 "$OPENBOX_PID" 2>/dev/null; then
        openbox >>"$LAVORO/openbox.log" 2>&1 &
        OPENBOX_PID=$!
        SESSIONE_PIDS+=("$OPENBOX_PID")
        return 1
    fi
    wm_pronto
}

sessione_avvia() {
    LAVORO=$(mktemp -d "${TMPDIR:-/tmp}/quaderlo-xvfb.XXXXXX")
    trap sessione_chiudi EXIT
    trap 'exit 143' TERM INT HUP # a timeout's signal still cleans up
    Xvfb -displayfd 5 -screen 0 1366x768x24 -nolisten tcp 5>"$LAVORO/display" 2>"$LAVORO/xvfb.log" &
    SESSIONE_PIDS+=($!)
    attendi "Xvfb indica il suo display" test -s "$LAVORO/display"
    export DISPLAY=":$(head -n1 "$LAVORO/display")"
    # The display is named before it takes connections: a window manager started too early gives up.
    attendi "Xvfb accetta connessioni" xdpyinfo_ok
    OPENBOX_PID=
    attendi "openbox gestisce le finestre" openbox_pronto
    ok "Xvfb su $DISPLAY 1366x768 con openbox"
}

# Copies the executable and the data files into a fresh program folder and starts it from there.
programma_avvia() {
    local exe=$1 dati=$2
    CARTELLA="$LAVORO/Quaderlo"
    mkdir -p "$CARTELLA" "$LAVORO/home" "$LAVORO/runtime"
    chmod 700 "$LAVORO/runtime"
    cp "$exe" "$CARTELLA/quaderlo"
    cp "$dati"/Quaderlo.cfg "$dati"/quadro[1-4].txt "$CARTELLA/"
    MAPPA="$LAVORO/mappa.txt"
    PROGRAMMA_LOG="$LAVORO/quaderlo.log"
    (cd "$LAVORO" && exec env QT_QPA_PLATFORM=xcb QUADERLO_MAPPA="$MAPPA" HOME="$LAVORO/home" \
        XDG_RUNTIME_DIR="$LAVORO/runtime" "$CARTELLA/quaderlo" >"$PROGRAMMA_LOG" 2>&1) &
    PROGRAMMA_PID=$!
    SESSIONE_PIDS+=("$PROGRAMMA_PID")
}

# --- The map of controls ---

# "x y w h" of a window, control or list entry, by its name in the map.
posizione() {
    [ -f "$MAPPA" ] && awk -v n="$1" '$1 == n { print $(NF-3), $(NF-2), $(NF-1), $NF; exit }' "$MAPPA"
}

# The text shown by a control or entry (between its name and its position).
testo_di() {
    awk -v n="$1" '$1 == n { t = ""; for (i = 2; i <= NF - 4; i++) t = t (i > 2 ? " " : "") $i; print t; exit }' "$MAPPA"
}

in_mappa() { [ -f "$MAPPA" ] && grep -qxF -- "$1" "$MAPPA"; }
non_in_mappa() { [ -f "$MAPPA" ] && ! awk -v n="$1" '$1 == n { f = 1 } END { exit !f }' "$MAPPA"; }
presente() { [ -n "$(posizione "$1")" ]; }
mostra_testo() { [ "$(testo_di "$1")" = "$2" ]; }

# Waits until the control is on the map at one place for two reads in a row (the window has settled).
fermo() {
    local prima
    prima=$(posizione "$1")
    [ -n "$prima" ] || return 1
    sleep 0.1
    [ "$(posizione "$1")" = "$prima" ]
}

attendi_finestra() {
    attendi "la finestra $1 compare" presente "$1"
    attendi "la finestra $1 è attiva" in_mappa "attiva $1"
}

# A left click at the middle of the control, then the pointer leaves the windows (no tool tip in the way).
clic() {
    local x y w h
    attendi "il controllo $1 è visibile e fermo" fermo "$1"
    read -r x y w h <<<"$(posizione "$1")"
    ULTIMO_CLIC="$1 in $((x + w / 2)),$((y + h / 2))"
    xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1 mousemove --sync 0 0
}

# Typing goes where the focus is: the script first waits for it in the named control.
scrivi() {
    attendi "il fuoco è in $1" in_mappa "fuoco $1"
    xdotool type --delay 15 -- "$2"
}

tasto() {
    attendi "il fuoco è in $1" in_mappa "fuoco $1"
    xdotool key "$2"
}

# Opens a drop-down list and clicks its entry. Qt ignores a release within the double-click interval
# after a list opens (so that the opening click chooses nothing): a teacher is never that fast either.
scegli_in_tendina() {
    local box=$1 riga=$2 voce=$3
    clic "$box"
    attendi "$voce nella tendina $box" mostra_testo "$box[$riga]" "$voce"
    sleep 0.5
    clic "$box[$riga]"
    attendi "$voce scelto in $box" mostra_testo "$box" "$voce"
}

# --- On screen ---

# A window mapped on the X display under that caption (Qt adds " — Quaderlo").
a_schermo() { xdotool search --onlyvisible --name "^$1( — Quaderlo)?\$" >/dev/null 2>&1; }
non_a_schermo() { ! a_schermo "$1"; }

schermata() {
    SCATTO=$((SCATTO + 1))
    local f
    f=$(printf '%s/%02d-%s.png' "$STRADE_OUT" "$SCATTO" "$1")
    sleep 0.2 # the last paint reaches the X server
    import -window root "$f" || errore "schermata $f non riuscita"
    ok "schermata $(basename "$f")"
}

# --- On disk ---

# The file holds exactly these bytes (printf escapes: \r\n, \xe8 ...).
byte_uguali() { [ -f "$CARTELLA/$1" ] && cmp -s "$CARTELLA/$1" <(printf "$2"); }
attendi_file() {
    attendi "$1 contiene esattamente '$2'" byte_uguali "$1" "$2"
    ok "$1 = '$2'"
}
assente() { [ ! -e "$CARTELLA/$1" ]; }
attendi_assente() {
    attendi "$1 non c'è più" assente "$1"
    ok "$1 eliminato"
}
