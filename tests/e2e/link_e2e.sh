#!/usr/bin/env bash
# One end-to-end case: r5prog-cli programs r5sim over a pseudo-terminal.
#   R5CLI=... R5SIM=... link_e2e.sh CASE
set -euo pipefail

case_name=$1
work=$(mktemp -d)
sims=()
cleanup() {
  for pid in "${sims[@]}"; do kill -TERM "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }

# Starts a virtual radio linked at ./NAME; extra arguments go to r5sim.
start_sim() {
  local name=$1; shift
  "$R5SIM" --link "$work/$name" "$@" >"$work/$name.out" 2>&1 &
  sims+=($!)
  for _ in $(seq 100); do [ -L "$work/$name" ] && return 0; sleep 0.05; done
  fail "r5sim did not come up: $(cat "$work/$name.out")"
}

# Stops the last started radio (it dumps its memory on the way out).
stop_sim() {
  local pid=${sims[-1]}
  kill -TERM "$pid"; wait "$pid" || fail "r5sim exited with $?"
  unset 'sims[-1]'
}

# Runs r5prog-cli, keeping stderr; the expected exit status comes first.
cli() {
  local expect=$1; shift
  local status=0
  "$R5CLI" "$@" 2>"$work/stderr" || status=$?
  [ "$status" = "$expect" ] || fail "r5prog-cli $* exited $status, expected $expect: $(cat "$work/stderr")"
}

last_line() { tail -n 1 "$work/stderr"; }

# The memory a channel file gives the radio, as 1024 bytes.
file_memory() {
  start_sim file --fast --image "$1" --dump "$2"
  stop_sim
}

head -c 1024 /dev/urandom >radio.bin

case $case_name in
read)
  start_sim radio --fast --raw radio.bin
  cli 0 read --port radio --output got.chann --raw got.bin
  cmp got.bin radio.bin || fail "memory read differs from the radio's"
  [ "$(last_line)" = "Complete reading the data from transceiver." ] || fail "last line: $(last_line)"
  file_memory got.chann again.bin
  cmp <(head -c 864 again.bin) <(head -c 864 radio.bin) || fail "channel file does not hold rows 0 to 53"
  ;;
write)
  start_sim radio --fast --raw radio.bin --dump dump.bin
  "$R5CLI" defaults --model Sable-VHF --output vhf.chann
  cli 0 write --port radio --input vhf.chann
  [ "$(last_line)" = "Complete writing Data to the transceiver." ] || fail "last line: $(last_line)"
  stop_sim
  file_memory vhf.chann vhf.bin
  cmp <(head -c 784 dump.bin) <(head -c 784 vhf.bin) || fail "rows 0 to 48 differ from the file"
  cmp <(tail -c +785 dump.bin) <(tail -c +785 radio.bin) || fail "rows 49 to 63 were touched"
  ;;
round-trip)
  start_sim radio --fast --raw radio.bin
  cli 0 read --port radio --output first.chann --raw first.bin
  cli 0 write --port radio --input first.chann
  cli 0 read --port radio --output second.chann --raw second.bin
  cmp first.chann second.chann || fail "read, write, read changed the channel file"
  cmp first.bin second.bin || fail "read, write, read changed the memory"
  ;;
tuning)
  start_sim radio --fast
  cli 0 adjust-read --port radio --output got.adj
  "$R5CLI" adjust-defaults --output defaults.adj
  cmp got.adj defaults.adj || fail "tuning block read differs from the radio's defaults"
  # Change the first value, write it, read it back.
  sed '1s/^ *[0-9]*/ 17/' defaults.adj >changed.adj
  cli 0 adjust-write --port radio --input changed.adj
  [ "$(last_line)" = "Complete writing optional parameters to the transceiver." ] || fail "last line: $(last_line)"
  cli 0 adjust-read --port radio --output back.adj
  cmp back.adj changed.adj || fail "tuning block written differs when read back"
  ! cmp -s back.adj defaults.adj || fail "tuning block did not change"
  ;;
password)
  start_sim radio --fast --raw radio.bin --password abc
  cli 1 password --port radio --old wrong --new xyz
  [ "$(last_line)" = "r5prog-cli: Old PassWord Error, Writeing Stop" ] || fail "last line: $(last_line)"
  cli 0 password --port radio --old abc --new xyz
  [ "$(last_line)" = "PassWord Modify Success !" ] || [ "$(last_line)" = "PassWord Modify Success ! " ] || fail "last line: $(last_line)"
  cli 0 read --port radio --output got.chann --raw got.bin
  [ "$(dd if=got.bin bs=1 skip=928 count=6 2>/dev/null)" = "xyz   " ] || fail "password record not written"
  cmp <(tail -c +935 got.bin) <(tail -c +935 radio.bin) || fail "rest of the record changed"
  ;;
backup-verify)
  start_sim radio --fast --raw radio.bin --dump dump.bin
  "$R5CLI" defaults --output uhf.chann
  cli 0 write --port radio --input uhf.chann --backup backups --verify
  grep -q "^Verified: rows 0 to 48 read back as written.$" "$work/stderr" || fail "no verify: $(cat "$work/stderr")"
  stop_sim
  backup=$(ls backups/r5-backup-*.chann)
  file_memory "$backup" backup.bin
  cmp <(head -c 864 backup.bin) <(head -c 864 radio.bin) || fail "the backup does not hold the radio's memory"
  ;;
interrupted-write)
  # The line drops half way through the write (18 answers are the backup read's).
  start_sim radio --fast --raw radio.bin --dump half.bin --fault hangup:43
  "$R5CLI" defaults --output uhf.chann
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
corrupt-write)
  "$R5SIM" --help | grep -q corrupt-write || { echo "skip: r5sim has no corrupt-write fault"; exit 77; }
  start_sim radio --fast --raw radio.bin --fault corrupt-write:10
  "$R5CLI" defaults --output uhf.chann
  cli 1 write --port radio --input uhf.chann --verify
  grep -q "verify failed: address 0x" "$work/stderr" || fail "no verify failure: $(cat "$work/stderr")"
  ;;
silent)
  start_sim radio --fault silent
  start=$(date +%s)
  cli 1 read --port radio --output got.chann
  elapsed=$(( $(date +%s) - start ))
  [ "$(last_line)" = "r5prog-cli: Fail connect with transceiver." ] || fail "last line: $(last_line)"
  [ ! -e got.chann ] || fail "a failed read wrote its output file"
  # Four attempts about two seconds apart.
  [ "$elapsed" -ge 6 ] && [ "$elapsed" -le 12 ] || fail "gave up after $elapsed s"
  ;;
pulled-line)
  start_sim radio --fast --raw radio.bin --fault hangup:6
  cli 1 read --port radio --output got.chann
  grep -q "Communication port is error" "$work/stderr" || fail "no port message: $(cat "$work/stderr")"
  [ ! -e got.chann ] || fail "a failed read wrote its output file"
  ;;
late-marker)
  start_sim radio --fast --raw radio.bin --fault marker-at:2
  cli 1 read --port radio --output got.chann
  [ "$(last_line)" = "r5prog-cli: Fail connect with transceiver." ] || fail "last line: $(last_line)"
  [ ! -e got.chann ] || fail "a failed read wrote its output file"
  ;;
usage)
  cli 2 read --output got.chann
  cli 2 write --port COM9 --input x.chann
  cli 1 read --port "$work/nothing-here" --output got.chann
  grep -q "nothing-here" "$work/stderr" || fail "port message does not name the device"
  ;;
real-timing)
  # At 9600 baud a read takes close to two seconds; the timing must hold.
  start_sim radio --raw radio.bin
  cli 0 read --port radio --output got.chann --raw got.bin
  cmp got.bin radio.bin || fail "memory read at 9600-baud pace differs"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "ok ($case_name)"
