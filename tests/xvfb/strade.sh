#!/usr/bin/env bash
# The program's main roads clicked under a real X server, as a teacher goes: year at first start,
# each module from the menu and back, the phrase editor, the day's copy and the spelling switch in
# Utilità, a class and pupils made, imported and deleted in the archive, a phrase ticked and composed,
# Esci. Every step is checked on disk (bytes) and on screen (windows mapped).
# Usage: strade.sh QUADERLO_EXECUTABLE DATA_FOLDER [SCREENSHOT_FOLDER]
set -euo pipefail
[ $# -ge 2 ] || { echo "uso: $0 eseguibile cartella-dati [cartella-schermate]" >&2; exit 2; }
ESEGUIBILE=$(realpath "$1")
DATI=$(realpath "$2")
STRADE_OUT=$(realpath -m "${3:-$PWD/xvfb-strade}")
source "$(dirname "$0")/sessione.sh"

rm -rf "$STRADE_OUT"
mkdir -p "$STRADE_OUT"
richiedi_comandi Xvfb openbox xdotool xprop xdpyinfo import cmp realpath
[ -x "$ESEGUIBILE" ] || errore "eseguibile non trovato: $ESEGUIBILE"

passo "Sessione X e programma in una cartella nuova"
sessione_avvia
programma_avvia "$ESEGUIBILE" "$DATI"

passo "Primo avvio: l'anno scolastico"
attendi_finestra inputbox
attendi "la domanda \"Anno Scolastico ?\"" mostra_testo inputbox/testo "Anno Scolastico ?"
a_schermo "Anno Scolastico" || errore "la finestra \"Anno Scolastico\" non è sullo schermo"
scrivi inputbox/riga "2025/26"
schermata anno
clic inputbox/OK
attendi_finestra frmSplash
attendi_file Anno.dat '2025/26\r\n'
attendi_file Qua.inf 'Quaderlo\r\n\r\n'
attendi_file Titoli.dat 'Sit. Iniziale\r\nFinalit\xe0\r\nVal. 1\xb0 Q.\r\nVal. 2\xb0 Q.\r\n'
attendi "il menu mostra l'anno" mostra_testo frmSplash/lblAnnoScolastico "Anno Scolastico 2025/26"
a_schermo "Menù" || errore "il menu non è sullo schermo"
schermata menu

# The day's copy is taken once the menu is shown; waited for here, so that it holds the archive of the start.
copia_del_giorno() {
    local c
    for c in "$CARTELLA"/Backup/[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]; do
        [ -d "$c" ] && { basename "$c"; return 0; }
    done
    return 1
}
attendi "la copia del giorno in Backup" copia_del_giorno
GIORNO=$(copia_del_giorno)
ok "copia del giorno: Backup/$GIORNO"

# A module from the menu, its window on screen instead of the menu, then back.
modulo() {
    local pulsante=$1 finestra=$2 titolo=$3 uscita=$4
    passo "Menu, \"$(testo_di "frmSplash/$pulsante")\": la finestra $titolo e ritorno"
    clic "frmSplash/$pulsante"
    attendi_finestra "$finestra"
    attendi "il menu è nascosto" non_in_mappa frmSplash
    attendi "la finestra \"$titolo\" è sullo schermo" a_schermo "$titolo"
    attendi "il menu non è più sullo schermo" non_a_schermo "Menù"
    ok "$titolo aperta, menu nascosto"
    schermata "$finestra"
    clic "$finestra/$uscita"
    attendi_finestra frmSplash
    attendi "la finestra $finestra è chiusa" non_in_mappa "$finestra"
    attendi "la finestra \"$titolo\" non è più sullo schermo" non_a_schermo "$titolo"
    attendi "il menu è di nuovo sullo schermo" a_schermo "Menù"
    ok "di nuovo al menu"
}
modulo cmdCompila frmCompila Giudizi cmdFineLavoro
modulo cmdUtilità frmUtilità Utilità cmdEsciUtilità
modulo cmdModifica frmModifica Archivi cmdFine

passo "Esc lascia Archivi; al menu il fuoco è sul primo pulsante"
clic frmSplash/cmdModifica
attendi_finestra frmModifica
tasto frmModifica/cmbClassi_testo Escape
attendi_finestra frmSplash
attendi "la finestra frmModifica è chiusa" non_in_mappa frmModifica
attendi "il fuoco sul primo pulsante del menu" in_mappa "fuoco frmSplash/cmdCompila"
ok "Esc ha chiuso Archivi, fuoco su Giudizi"

passo "Utilità: l'editor delle frasi, lasciato con Esc"
clic frmSplash/cmdUtilità
attendi_finestra frmUtilità
clic frmUtilità/cmdFrasi
attendi_finestra frmFrasi
attendi "Utilità è chiusa" non_in_mappa frmUtilità
attendi "la finestra \"Frasi dei quadri\" è sullo schermo" a_schermo "Frasi dei quadri"
attendi "la prima voce scelta" mostra_testo frmFrasi/txtFrase "CognomeNome si è inserit§ nel gruppo classe con serenità."
attendi "la voce letta per un alunno" mostra_testo frmFrasi/lblAlunno \
    "Per un alunno (Rossi Mario, esempio): Rossi Mario si è inserito nel gruppo classe con serenità."
schermata frasi
clic frmFrasi/txtFrase
tasto frmFrasi/txtFrase Escape
attendi_finestra frmUtilità
attendi "la finestra frmFrasi è chiusa" non_in_mappa frmFrasi
attendi "la finestra \"Frasi dei quadri\" non è più sullo schermo" non_a_schermo "Frasi dei quadri"
for n in 1 2 3 4; do
    cmp -s "$CARTELLA/quadro$n.txt" "$DATI/quadro$n.txt" || errore "quadro$n.txt cambiato senza Salva"
done
ok "di nuovo a Utilità, frasi intatte"

passo "Utilità: le copie di sicurezza e ritorno"
# The copy holds the archive of the start, byte for byte; no class list had been written yet.
for f in Anno.dat Qua.inf Titoli.dat; do
    cmp -s "$CARTELLA/Backup/$GIORNO/$f" "$CARTELLA/$f" || errore "Backup/$GIORNO/$f diverso da $f"
done
for f in Quaderlo.cfg quadro1.txt quadro2.txt quadro3.txt quadro4.txt; do
    cmp -s "$CARTELLA/Backup/$GIORNO/$f" "$DATI/$f" || errore "Backup/$GIORNO/$f diverso da data/$f"
done
[ ! -e "$CARTELLA/Backup/$GIORNO/Classi.dat" ] || errore "Backup/$GIORNO/Classi.dat c'è, ma all'avvio l'archivio era vuoto"
[ "$(ls -A "$CARTELLA/Backup/$GIORNO" | wc -l)" -eq 8 ] || errore "Backup/$GIORNO non ha solo gli 8 file: $(ls -A "$CARTELLA/Backup/$GIORNO")"
ok "Backup/$GIORNO: Anno.dat, Qua.inf, Titoli.dat, Quaderlo.cfg, quadro1-4.txt"
GIORNI=(lunedì martedì mercoledì giovedì venerdì sabato domenica)
MESI=(gennaio febbraio marzo aprile maggio giugno luglio agosto settembre ottobre novembre dicembre)
DATA="${GIORNI[$(date -d "$GIORNO" +%u) - 1]} $(date -d "$GIORNO" +%-d) ${MESI[$(date -d "$GIORNO" +%-m) - 1]} ${GIORNO:0:4}"
clic frmUtilità/cmdRipristina
attendi_finestra frmRipristina
attendi "la finestra \"Copie di sicurezza\" è sullo schermo" a_schermo "Copie di sicurezza"
attendi "la copia del giorno nell'elenco" mostra_testo "frmRipristina/lstCopie[0]" \
    "$DATA - anno scolastico 2025/26 - 0 classi, 0 alunni"
non_in_mappa "frmRipristina/lstCopie[1]" || errore "nell'elenco c'è più di una copia"
schermata copie
clic frmRipristina/cmdEsci
attendi_finestra frmUtilità
attendi "la finestra frmRipristina è chiusa" non_in_mappa frmRipristina
attendi "la finestra \"Copie di sicurezza\" non è più sullo schermo" non_a_schermo "Copie di sicurezza"
ok "di nuovo a Utilità"

passo "Utilità: il controllo ortografico spento"
non_in_mappa frmUtilità/lblOrtografia || errore "manca il dizionario italiano (pacchetto hunspell-it)"
assente Quaderlo.ini || errore "Quaderlo.ini c'è già prima della scelta"
clic frmUtilità/chkOrtografia
attendi_file Quaderlo.ini '[Ortografia]\nControllo=false\n'
schermata ortografia
clic frmUtilità/cmdEsciUtilità
attendi_finestra frmSplash

passo "Archivi: una classe nuova"
clic frmSplash/cmdModifica
attendi_finestra frmModifica
attendi_file Classi.dat '\r\n'
clic frmModifica/cmbClassi_testo
scrivi frmModifica/cmbClassi_testo "3A"
tasto frmModifica/cmbClassi_testo Return
attendi_file Classi.dat '3A\r\n'
attendi_file 3A/ALUNNI.3A '\r\n\r\n'
attendi "3A nell'elenco delle classi" mostra_testo "frmModifica/cmbClassi_elenco[0]" "3A"

# A pupil: name and Enter, the question about the gender, then the option.
alunno() {
    local nome=$1 opzione=$2
    clic frmModifica/cmbAlunni_testo
    scrivi frmModifica/cmbAlunni_testo "$nome"
    tasto frmModifica/cmbAlunni_testo Return
    attendi_finestra msgbox
    attendi "la domanda \"Maschio o Femmina ?\"" mostra_testo msgbox/testo "Maschio o Femmina ?"
    a_schermo "Attenzione" || errore "la domanda non è sullo schermo"
    clic msgbox/OK
    attendi_finestra frmModifica
    clic "frmModifica/$opzione"
}
passo "Archivi: due alunni, uno per sesso"
alunno "Rossi Mario" optMaschio
attendi_file 3A/ALUNNI.3A 'Rossi Mario\r\n 1 \r\n'
alunno "Bianchi Anna" optFemmina
attendi_file 3A/ALUNNI.3A 'Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n'
attendi "gli alunni nell'elenco in ordine" mostra_testo "frmModifica/cmbAlunni_elenco[1]" "Rossi Mario"
schermata archivio

passo "Archivi: alunni importati da un elenco scelto nella finestra dei file"
mkdir -p "$LAVORO/home/Documents"
printf 'Cognome;Nome;Sesso\r\nRossi;Mario;M\r\nVerdi;Luca;M\r\n' >"$LAVORO/home/Documents/alunni.csv"
clic frmModifica/cmdImportaAlunni
attendi_finestra QFileDialog
attendi "la finestra dei file è sullo schermo" a_schermo "Importa alunni da file"
attendi "la finestra dei file propone Documenti" mostra_testo QFileDialog/lookInCombo "$LAVORO/home/Documents"
scrivi QFileDialog/fileNameEdit "alunni.csv"
tasto QFileDialog/fileNameEdit Return
attendi_finestra frmImportaAlunni
attendi "la finestra \"Importa alunni\" è sullo schermo" a_schermo "Importa alunni"
attendi "quanti alunni nuovi" mostra_testo frmImportaAlunni/lblClasse "Classe 3A, dal file alunni.csv: 1 alunno nuovo."
schermata importa-alunni
clic frmImportaAlunni/cmdConferma
attendi_file 3A/ALUNNI.3A 'Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\nVerdi Luca\r\n 1 \r\n'
# A list that held pupils is rewritten only after a copy of the archive.
attendi_file "Backup/$GIORNO-2/3A/ALUNNI.3A" 'Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n'
attendi_finestra frmModifica
attendi "la finestra frmImportaAlunni è chiusa" non_in_mappa frmImportaAlunni
attendi "l'alunno importato nell'elenco" mostra_testo "frmModifica/cmbAlunni_elenco[2]" "Verdi Luca"
clic frmModifica/cmdFine
attendi_finestra frmSplash

passo "Giudizi: classe, alunno, una frase spuntata e composta"
clic frmSplash/cmdCompila
attendi_finestra frmCompila
scegli_in_tendina frmCompila/cmbClasse 0 "3A"
scegli_in_tendina frmCompila/cmbAlunno 1 "Rossi Mario"
attendi "il sesso dell'alunno" mostra_testo frmCompila/Label1 "Maschile"
FRASE=$(printf 'Rossi Mario si \xc3\xa8 inserito nel gruppo classe con serenit\xc3\xa0.')
attendi "la prima frase con nome e sesso" mostra_testo "frmCompila/lstLista0[0]" "Inserimento=$FRASE"
clic "frmCompila/lstLista0[0]"
attendi "la frase spuntata" in_mappa "spunte frmCompila/lstLista0 0"
clic frmCompila/cmdOkTestoGiudizio
attendi_file "3A/Rossi Mario.q1" 'Rossi Mario si \xe8 inserito nel gruppo classe con serenit\xe0.\r\n'
attendi_file "3A/Rossi Mario.dat" '0 \r\n\r\n\r\n\r\n'
attendi "il testo composto nella finestra" mostra_testo frmCompila/txtTesto "$FRASE"
schermata composizione
clic frmCompila/cmdFineLavoro
attendi_finestra frmSplash

passo "Archivi: l'alunno eliminato con i suoi file"
clic frmSplash/cmdModifica
attendi_finestra frmModifica
attendi "3A nell'elenco delle classi" mostra_testo "frmModifica/cmbClassi_elenco[0]" "3A"
clic "frmModifica/cmbClassi_elenco[0]"
attendi_finestra msgbox
attendi "la prima domanda sulla classe" mostra_testo msgbox/testo "Vuoi eliminare la classe dall'elenco ?"
a_schermo "Eliminazione classe" || errore "la domanda non è sullo schermo"
clic msgbox/No # kept: the class is chosen and its pupils listed
attendi_finestra frmModifica
attendi "gli alunni della classe" mostra_testo "frmModifica/cmbAlunni_elenco[1]" "Rossi Mario"
clic "frmModifica/cmbAlunni_elenco[1]"
attendi_finestra msgbox
attendi "la domanda sull'alunno" mostra_testo msgbox/testo "Vuoi eliminare l'alunno dall'elenco ?"
a_schermo "Eliminazione alunno" || errore "la domanda non è sullo schermo"
schermata elimina-alunno
clic "msgbox/Sì"
attendi_file 3A/ALUNNI.3A 'Bianchi Anna\r\n 0 \r\nVerdi Luca\r\n 1 \r\n'
attendi_assente "3A/Rossi Mario.q1"
attendi_assente "3A/Rossi Mario.dat"
attendi_finestra frmModifica
attendi "l'alunno tolto dall'elenco" mostra_testo "frmModifica/cmbAlunni_elenco[1]" "Verdi Luca"

passo "Archivi: la classe eliminata"
clic "frmModifica/cmbClassi_elenco[0]"
attendi_finestra msgbox
attendi "la prima domanda sulla classe" mostra_testo msgbox/testo "Vuoi eliminare la classe dall'elenco ?"
clic "msgbox/Sì"
attendi "la conferma" mostra_testo msgbox/testo "Sei proprio sicuro ?"
a_schermo "Conferma eliminazione" || errore "la conferma non è sullo schermo"
clic "msgbox/Sì"
attendi_finestra frmModifica
attendi_file Classi.dat ''
attendi_assente 3A
attendi "la classe tolta dall'elenco" non_in_mappa "frmModifica/cmbClassi_elenco[0]"
schermata classe-eliminata
clic frmModifica/cmdFine
attendi_finestra frmSplash

passo "Esci"
clic frmSplash/cmdEsci
finito() { [ ! -e "/proc/$PROGRAMMA_PID" ] || grep -q '^[0-9]* ([^)]*) Z' "/proc/$PROGRAMMA_PID/stat"; }
attendi "il programma termina" finito
wait "$PROGRAMMA_PID" || errore "il programma è terminato con codice $?"
attendi "nessuna finestra sullo schermo" non_a_schermo "Menù"
ok "programma terminato, codice 0"
echo "strade percorse: tutte le verifiche superate (schermate in $STRADE_OUT)"
