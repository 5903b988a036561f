#!/usr/bin/env bash
# The program's own cases around a transfer (the line's faults are fault_matrix.sh's) against r5sim on a pty.
#   R5CLI=... R5SIM=... link_e2e.sh CASE        link_e2e.sh --list
set -euo pipefail

cases=(interrupt ports backup-verify interrupted-write)
[ "${1:-}" != --list ] || { printf '%s\n' "${cases[@]}"; exit 0; }

case_name=$1 sims=()
. "$(dirname "$0")/e2e_lib.sh"
work=$(mktemp -d)
trap 'stop_all_sims; rm -rf "$work"' EXIT
cd "$work"

# Runs r5prog-cli, keeping stderr; the expected exit status comes first.
cli() {
  local expect=$1 status=0
  shift
  "$R5CLI" "$@" 2>"$work/stderr" || status=$?
  [ "$status" = "$expect" ] || fail "r5prog-cli $* exited $status, expected $expect: $(cat "$work/stderr")"
}

last_line() { tail -n 1 "$work/stderr"; }

# Runs r5prog-cli and interrupts it once it reports TEXT; its exit status goes to `status`.
interrupt_at() {
  local text=$1; shift
  "$R5CLI" "$@" 2>"$work/stderr" &
  local pid=$!
  for _ in $(seq 200); do grep -q "$text" "$work/stderr" && break; sleep 0.05; done
  kill -INT "$pid"
  status=0; wait "$pid" || status=$?
}

head -c 1024 /dev/urandom >radio.bin
"$R5CLI" defaults --output uhf.chann

case $case_name in
ports)
  start_sim radio --fast
  cli 0 ports --port radio --test >table.txt
  grep -q "^COM[1-8] *$work/radio -> $(readlink -f radio) .* yes$" table.txt || fail "no line for the pseudo-terminal: $(cat table.txt)"
  grep -q "($work/radio) opens and closes normally.$" table.txt || fail "no test line: $(cat table.txt)"
  ;;
backup-verify)
  start_sim radio --fast --raw radio.bin --dump dump.bin
  cli 0 write --port radio --input uhf.chann --backup backups --verify
  grep -q "^Verified: rows 0 to 48 read back as written.$" "$work/stderr" || fail "no verify: $(cat "$work/stderr")"
  stop_sim
  holds_rows backups/r5-backup-*.chann radio.bin
  # A block that reads back otherwise fails the write.
  start_sim radio --fast --raw radio.bin --fault corrupt-write:10
  cli 1 write --port radio --input uhf.chann --verify
  grep -q "verify failed: address 0x" "$work/stderr" || fail "no verify failure: $(cat "$work/stderr")"
  ;;
interrupted-write)
  # The line drops half way through the write (18 answers are the backup read's).
  start_sim radio --fast --raw radio.bin --dump half.bin --fault hangup:43
  cli 1 write --port radio --input uhf.chann --backup backups
  wait "${sims[-1]}" || true; unset 'sims[-1]'
  ! cmp -s half.bin radio.bin || fail "the interrupted write changed nothing"
  restore=$(grep -A1 "restore it with:" "$work/stderr" | tail -n 1 | sed 's/^ *r5prog-cli //')
  [ -n "$restore" ] || fail "no restore command: $(cat "$work/stderr")"
  start_sim radio --fast --raw half.bin --dump restored.bin
  eval "cli 0 $restore"
  stop_sim
  cmp restored.bin radio.bin || fail "restoring the backup did not bring the memory back"
  ;;
interrupt)
  start_sim radio --raw radio.bin --dump dump.bin
  interrupt_at "Writing  5 " write --port radio --input uhf.chann
  blocks=$(last_line | sed -n 's/^r5prog-cli: interrupted after \([0-9]*\) of 49 blocks: the radio holds a partial write$/\1/p')
  [ "$status" = 1 ] && [ -n "$blocks" ] && [ "$blocks" -ge 5 ] || fail "write: $status $(last_line)"
  stop_sim
  file_memory uhf.chann uhf.bin
  cmp <(head -c $((blocks * 16)) dump.bin) <(head -c $((blocks * 16)) uhf.bin) || fail "the radio lacks blocks it confirmed"
  start_sim radio2 --raw radio.bin
  interrupt_at "Reading 5 " read --port radio2 --output got.chann
  [ "$status" = 1 ] && [ "$(last_line)" = "r5prog-cli: interrupted; nothing was stored" ] || fail "read: $status $(last_line)"
  [ ! -e got.chann ] || fail "an interrupted read wrote its output file"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "ok ($case_name)"
