#!/usr/bin/env bash
# "Print Instructions" and the circuit notes through a real print spooler. Starts a private CUPS scheduler
# of its own (its own folders and socket, whatever else runs on the machine) with a virtual PDF printer as
# the default, has the program print the convergence screen, waits for the PDF the printer writes,
# rasterises it and checks that one page arrived that shows the screen, and that the page's note with its
# safety rules followed; then prints the reading sheet of
# the low voltage diagram after TV Dead and checks that pages arrived and, from the text of the job the
# scheduler received, that the red areas come first. Where
# no spooler can be started it exits with 77 (skipped) and says why. It stops its scheduler and removes what
# it made, however it ends.
#
# usage: print_spooler.sh PRINT_CONVERGENCE_PROGRAM
set -u
program=$1
export PATH="$PATH:/usr/sbin:/sbin"

. "$(dirname "$0")/../support/verdict.sh"

[ "$(id -u)" -eq 0 ] ||
    skip "the PDF printer's backend only runs under a scheduler started by root, and this is not root"
for tool in cupsd lpadmin lpoptions lpstat pdfinfo pdftoppm pdftotext; do
    command -v "$tool" >/dev/null ||
        skip "$tool is missing (Debian packages cups, printer-driver-cups-pdf, poppler-utils)"
done
backend=/usr/lib/cups/backend/cups-pdf
[ -x "$backend" ] || skip "$backend is missing (Debian package printer-driver-cups-pdf)"

work=$(mktemp -d /tmp/fernwick-spooler.XXXXXX) || skip "no temporary folder"
chmod 755 "$work" # the scheduler's filters run as another user and must reach their folders
# A PDF printer of this run's own: the backend reads the settings of a printer named in its address from a
# file of that name beside its usual settings (the only place it looks), which sends its PDFs, log and
# scratch files into the work folder; so a second copy of the suite printing at the same time never sees
# this run's printouts, nor this run theirs.
printer="fernwick-${work##*.}"
printer_conf="/etc/cups/cups-pdf-$printer.conf"
outdir="$work/out"
cupsd_pid=""
pdf=""
cleanup() {
    [ -n "$cupsd_pid" ] && stop_processes "$cupsd_pid"
    rm -f "$printer_conf"
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP
[ -w /etc/cups ] || skip "/etc/cups cannot be written, where the PDF printer's settings must go"
touch "$work/before"

mkdir -p "$work"/{conf,spool,cache,state,log,tmp,home,qt}
chmod 1777 "$work/tmp" # the filters' scratch space
mkdir -p "$outdir" "$work/pdfspool"
cat >"$printer_conf" <<EOF
Out $outdir
Spool $work/pdfspool
GSTmp $work/tmp
Log $work/log
EOF
cat >"$work/conf/cups-files.conf" <<EOF
ServerRoot $work/conf
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/printcap
SystemGroup root
EOF
cat >"$work/conf/cupsd.conf" <<EOF
Listen $work/cups.sock
PreserveJobFiles Yes
Browsing No
WebInterface No
LogLevel info
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

# Every CUPS client below talks to this scheduler only, and keeps its own settings in the work folder.
export CUPS_SERVER="$work/cups.sock"
export CUPS_SERVERROOT="$work/conf"
export HOME="$work/home"
export TMPDIR="$work/qt"
export XDG_RUNTIME_DIR="$work/qt/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset PRINTER LPDEST
# How long anything here may take before it counts as hung: long enough for a machine busy with other builds.
patience=120

# With no scheduler to ask, there is no printer: the screen must say so, not print or hang.
QT_QPA_PLATFORM=offscreen timeout "$patience" "$program" print 2>"$work/log/noprinter"
status=$?
told='message box "Error": The instructions could not be printed: no printer is set up.'
grep -qF "$told" "$work/log/noprinter" && [ "$status" -eq 1 ] ||
    fail "without a printer: status $status, $(cat "$work/log/noprinter")"
echo "without a printer: $(grep 'message box' "$work/log/noprinter")"
QT_QPA_PLATFORM=offscreen timeout "$patience" "$program" print-notes 2>"$work/log/noprinter"
status=$?
told='message box "Error": The notes could not be printed: no printer is set up.'
grep -qF "$told" "$work/log/noprinter" && [ "$status" -eq 1 ] ||
    fail "notes without a printer: status $status, $(cat "$work/log/noprinter")"
echo "notes without a printer: $(grep 'message box' "$work/log/noprinter")"

# The scheduler, its output going to a file so that nothing it starts holds the test's output open.
cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" </dev/null >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
start=$SECONDS
while ((SECONDS - start < patience)); do
    lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || break
    sleep 0.1
done
if ! lpstat -r >/dev/null 2>&1; then
    cat "$work/log/cupsd.out" "$work/log/error_log" 2>/dev/null | tail -n 5
    skip "the CUPS scheduler could not be started here"
fi

lpadmin -p "$printer" -v "cups-pdf:/$printer" -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>"$work/log/lpadmin" ||
    skip "the virtual PDF printer could not be added: $(tail -n 1 "$work/log/lpadmin")"
lpoptions -d "$printer" >/dev/null || skip "the PDF printer could not be made the default"
echo "scheduler $cupsd_pid running; default printer: $(lpstat -d)"

# Waits for the PDFs of the $2 jobs (one if not given) printed after the mark file $1; sets $pdfs to them and
# $pdf to the first.
await_pdf() {
    pdf=""
    pdfs=""
    local start=$SECONDS
    while ((SECONDS - start < patience)); do
        pdfs=$(find "$outdir" -maxdepth 1 -name '*.pdf' -newer "$1" 2>/dev/null)
        [ "$(printf '%s' "$pdfs" | grep -c .)" -ge "${2:-1}" ] && [ -z "$(lpstat -o 2>/dev/null)" ] &&
            pdf=$(printf '%s\n' "$pdfs" | head -n 1) && break
        sleep 0.1
    done
    if [ -z "$pdf" ]; then
        lpstat -W all -l -o 2>/dev/null | tail -n 5
        tail -n 10 "$work/log/error_log" 2>/dev/null
        fail "no PDF arrived in $outdir within $patience seconds"
    fi
    echo "printed to $pdf"
}

sleep 1 # the printout is newer than the mark, even on a file system that counts whole seconds
# Two jobs: the screen on one page, then the page's note with its safety rules.
QT_QPA_PLATFORM=offscreen timeout "$patience" "$program" print || fail "the program did not print (status $?)"
await_pdf "$work/before" 2

screen_pages=0
while IFS= read -r pdf; do
    pages=$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages:[[:space:]]*//p')
    [ "$pages" = 1 ] || continue
    pdftoppm -r 100 -gray -singlefile "$pdf" "$work/page" || fail "the printout could not be rasterised"
    QT_QPA_PLATFORM=offscreen "$program" check "$work/page.pgm" && screen_pages=$((screen_pages + 1))
done <<<"$pdfs"
[ "$screen_pages" = 1 ] || fail "$screen_pages printouts show the convergence screen on one page, not one"
job=$(ls "$work"/spool/d* 2>/dev/null | tail -n 1) # the last job: the note
[ -n "$job" ] && pdftotext "$job" "$work/note.txt" &&
    tr -s '\n' ' ' <"$work/note.txt" | grep -q "Safety: Live work at the neck" ||
    fail "the convergence note did not print with its safety rules"
echo "one page showing the convergence screen, then its note with the safety rules"

touch "$work/before-notes"
sleep 1
QT_QPA_PLATFORM=offscreen timeout "$patience" "$program" print-notes || fail "the notes did not print (status $?)"
await_pdf "$work/before-notes"
pages=$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages:[[:space:]]*//p')
[ "${pages:-0}" -ge 1 ] || fail "the notes' printout has no pages"
# The PDF printer writes its pages through PostScript, which keeps no text; the words are read from the job
# as the scheduler received it, which it keeps.
job=$(ls "$work"/spool/d* 2>/dev/null | tail -n 1) # the last job: the notes
[ -n "$job" ] || fail "the scheduler kept no job file"
pdftotext "$job" "$work/notes.txt" || fail "the notes' job has no text"
QT_QPA_PLATFORM=offscreen "$program" check-notes "$work/notes.txt" || {
    head -c 600 "$work/notes.txt"
    fail "the printed notes do not list the red areas first"
}
echo "the notes on $pages pages, the red areas first"
