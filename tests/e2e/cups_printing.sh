#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Printing through a real CUPS: a private cupsd (its own configuration, spool and socket, in a
# private mount namespace so that the PDF backend writes only into this test's folder) with a
# PDF queue. Checked: no default printer but one queue opens the print dialog; a tape of two
# pages reaches the default queue with its page numbers; a queue refusing jobs is reported as
# refusing, with its reason, and not as sent; a stopped service gets the message that says
# what to do.
#   cups_printing.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip cupsd lpadmin cupsreject unshare pdfinfo pdftotext pdftoppm
readonly ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[[ -x /usr/lib/cups/backend/cups-pdf && -f $ppd ]] || { echo "skipped: cups-pdf is not installed" >&2; exit 77; }
unshare -m --propagation private true 2>/dev/null || { echo "skipped: no private mount namespace here" >&2; exit 77; }

scratch=$(mktemp -d)
trap 'end_started; rm -rf "$scratch"' EXIT
mkdir -p "$scratch"/{spool,cache,state,log,run,out,pdf-spool}
chown lp "$scratch"/{spool,cache,state,log} 2>/dev/null
chmod 0777 "$scratch"/{out,pdf-spool}
chmod 0755 "$scratch"
cat >"$scratch/cupsd.conf" <<CONF
Listen $scratch/run/cups.sock
WebInterface No
Browsing No
DefaultAuthType None
PreserveJobFiles Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat >"$scratch/cups-files.conf" <<CONF
User lp
Group lp
SystemGroup root
ServerRoot $scratch
RequestRoot $scratch/spool
CacheDir $scratch/cache
StateDir $scratch/state
TempDir $scratch/spool
ErrorLog $scratch/log/error_log
AccessLog $scratch/log/access_log
PageLog $scratch/log/page_log
CONF
printf 'Out %s\nAnonDirName %s\nSpool %s\nUserUMask 0000\n' \
    "$scratch/out" "$scratch/out" "$scratch/pdf-spool" >"$scratch/cups-pdf.conf"

# The PDF backend reads its settings from /etc/cups only: the private ones are mounted over
# them in a namespace of cupsd's own, which ends with it.
timeout 110 unshare -m --propagation private sh -c \
    "mount --bind '$scratch/cups-pdf.conf' /etc/cups/cups-pdf.conf && exec cupsd -f -c '$scratch/cupsd.conf' -s '$scratch/cups-files.conf'" &
cupsd_pid=$!
started+=("$cupsd_pid")
export CUPS_SERVER=$scratch/run/cups.sock
service_runs() {
    timeout 5 lpstat -r 2>/dev/null | grep -q 'scheduler is running'
}
for (( attempt = 0; attempt < 100; attempt++ )); do
    service_runs && break
    sleep 0.1
done
service_runs || { echo "skipped: a private cupsd cannot run here" >&2; exit 77; }
timeout 10 lpadmin -p PDF -v cups-pdf:/ -m "lsb/usr/cups-pdf/$(basename "$ppd")" -E 2>/dev/null \
    || fail "the PDF queue could not be added"

# Prints the width of the program's message box, and closes it, waiting up to 20 s for it. The
# texts themselves are checked by the unit tests; here the short "Sent to printer" (a box about
# 160 pixels wide) is told from the long messages of a failure by the box's width.
message_width() {
    local box
    box=$(visible_window --pid "$pid" --name '^ Numerette$') || return 1
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool windowfocus --sync "$box" key Return
    echo "$WIDTH"
}

print_medium() {
    focus_calculator "$pid"
    xdotool key ctrl+m
}

launch
calculator_window "$pid" >/dev/null || fail "the calculator shows no window"
focus_calculator "$pid"
# Seventy items and a total: more than one page in the large font.
xdotool type --delay 5 "$(printf '1+%.0s' {1..70})"
xdotool key Return

# --- One queue, none the default: the print dialog -------------------------------------------
print_medium
dialog=$(visible_window --pid "$pid" --name '^Print') || fail "no print dialog without a default printer"
xdotool windowfocus --sync "$dialog" key Escape
sleep 0.5
visible_window --pid "$pid" --name '^ Numerette$' --limit 1 >/dev/null 2>&1 &&
    fail "the canceled print dialog was followed by a message"

# --- The default queue takes the job: a PDF of two numbered pages ----------------------------
timeout 10 lpadmin -d PDF || fail "PDF could not be made the default printer"
focus_calculator "$pid"
xdotool key ctrl+g
width=$(message_width) || fail "no message after printing on the default printer"
(( width < 250 )) || fail "the accepted job was not reported as sent"
for (( attempt = 0; attempt < 300; attempt++ )); do
    pdf=$(find "$scratch/out" -name '*.pdf' -print -quit)
    [[ -n $pdf ]] && break
    sleep 0.1
done
[[ -n $pdf ]] || fail "cups-pdf wrote no PDF"
sleep 1
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
(( pages == 2 )) || fail "the printed tape has $pages pages, not 2"
pdftoppm -r 50 -png "$pdf" "$scratch/page" || fail "the printed pages cannot be drawn"
(( $(find "$scratch" -maxdepth 1 -name 'page*.png' | wc -l) == 2 )) || fail "not every page could be drawn"
# cups-pdf turns the letters into pictures; the job as the program handed it over keeps them.
document=$(find "$scratch/spool" -name 'd*-001' -print -quit)
[[ -n $document ]] || fail "the service kept no copy of the job"
numbers=$(pdftotext -layout "$document" - | grep -E '^ *[0-9]+/[0-9]+ *$' | tr -d ' ' | tr '\n' ' ')
[[ $numbers == '1/2 2/2 ' ]] || fail "the pages are not numbered 1/2 and 2/2: '$numbers'"

# --- The queue refuses jobs: said so, with its reason ----------------------------------------
timeout 10 cupsreject -r "out of paper" PDF || fail "the queue could not be told to refuse jobs"
print_medium
jobs_before=$(timeout 5 lpstat -W all -o | wc -l)
width=$(message_width) || fail "no message after a refused job"
(( width > 300 )) || fail "a refused job was reported as sent"
(( $(timeout 5 lpstat -W all -o | wc -l) == jobs_before )) || fail "the refusing queue holds a new job"

# --- The service stopped: the message says what to do ----------------------------------------
kill "$cupsd_pid"
wait "$cupsd_pid" 2>/dev/null
print_medium
width=$(message_width) || fail "no message with the service stopped"
(( width > 300 )) || fail "the stopped service was not told, with what to do"

close_with_escape "$pid"
echo "cups_printing: all checks passed"
