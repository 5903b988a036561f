#!/usr/bin/env bash
# One end-to-end case: r5prog-cli programs r5sim over a pseudo-terminal.
#   R5CLI=... R5SIM=... link_e2e.sh CASE        link_e2e.sh --list
set -euo pipefail

# Case, r5sim options, command, exit status, check: same = what the program
# read, or the radio holds after a write, is what it should be; at:P = it
# differs at byte P (1-based) only. Every fault against every command is in
# fault_matrix.sh; these are the line's quirks and the paced radio.
cases=(
  "noise-write       --fault=noise                     write        0 same"
  "noise-read        --fault=noise                     read         0 same"
  "noise-tuning      --fault=noise                     adjust-read  0 same"
  "split-read        --fast,--fault=split-reply        read         0 same"
  # A read asks for address 0 twice and drops the first answer (answer 2);
  # write 3 is row 1.
  "first-answer      --fast,--fault=corrupt-reply:2    read         0 same"
  "corrupt-write     --fast,--fault=corrupt-write:3    write        0 at:25"
  "real-timing       -                                 read         0 same"
)
special=(silent usage outputs interrupt password-characters ports backup-verify interrupted-write verify-corrupt)

if [ "${1:-}" = --list ]; then
  for row in "${cases[@]}"; do echo "${row%% *}"; done
  printf '%s\n' "${special[@]}"
  exit 0
fi

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

# Stops the last started radio, unless a pulled cable stopped it already (it
# dumps its memory on the way out).
stop_sim() {
  local pid=${sims[-1]}
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" || fail "r5sim exited with $?"
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
"$R5CLI" defaults --model Sable-VHF --output vhf.chann
"$R5CLI" adjust-defaults --output defaults.adj

run_row() {
  local options=$1 command=$2 status=$3 check=$4
  [ "$options" = - ] && options=
  start_sim radio --raw radio.bin --dump dump.bin ${options//,/ }
  got=dump.bin; cp radio.bin expect.bin
  case $command in
    read) cli "$status" read --port radio --output got.chann --raw got.bin; got=got.bin ;;
    write)
      cli "$status" write --port radio --input vhf.chann
      file_memory vhf.chann vhf.bin
      head -c 784 vhf.bin | dd of=expect.bin conv=notrunc 2>/dev/null ;;
    adjust-read) cli "$status" adjust-read --port radio --output got.adj; got=got.adj; cp defaults.adj expect.bin ;;
  esac
  stop_sim
  case $check in
    same) cmp "$got" expect.bin || fail "the radio and the program disagree" ;;
    at:*) [ "$(cmp -l "$got" expect.bin | awk '{print $1}')" = "${check#at:}" ] || fail "$(cmp -l "$got" expect.bin)" ;;
  esac
  if [ "$command" = read ]; then
    file_memory got.chann again.bin
    cmp <(head -c 864 again.bin) <(head -c 864 radio.bin) || fail "channel file does not hold rows 0 to 53"
  fi
}

for row in "${cases[@]}"; do
  read -r name rest <<<"$row"
  if [ "$name" = "$case_name" ]; then
    run_row $rest
    echo "ok ($case_name)"
    exit 0
  fi
done

case $case_name in
ports)
  start_sim radio --fast
  "$R5CLI" ports --port radio --test >table.txt 2>"$work/stderr" || fail "ports exited $?: $(cat "$work/stderr")"
  grep -q "^COM[1-8] *$work/radio -> $(readlink -f radio) .* yes$" table.txt || fail "no line for the pseudo-terminal: $(cat table.txt)"
  grep -q "($work/radio) opens and closes normally.$" table.txt || fail "no test line: $(cat table.txt)"
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
verify-corrupt)
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
  # Four attempts about two seconds apart (the outcome is the fault matrix's).
  [ "$elapsed" -ge 6 ] && [ "$elapsed" -le 12 ] || fail "gave up after $elapsed s"
  ;;
outputs)
  # Every output is checked before the radio is contacted; none is written unless all can be.
  start_sim radio --fast --raw radio.bin
  echo keep >a.chann
  cli 1 read --port radio --output a.chann --raw "$work/nothing/m.bin"
  [ "$(cat a.chann)" = keep ] || fail "a failed read replaced its first output"
  grep -q "nothing/m.bin" "$work/stderr" || fail "message does not name the file: $(cat "$work/stderr")"
  cli 1 read --port radio --output "$work/nothing/x.chann"
  ! grep -q "Connecting" "$work/stderr" || fail "the radio was contacted before the output was checked"
  ;;
interrupt)
  start_sim radio --raw radio.bin --dump dump.bin
  "$R5CLI" defaults --model Sable-VHF --output vhf.chann
  "$R5CLI" write --port radio --input vhf.chann 2>"$work/stderr" &
  pid=$!
  for _ in $(seq 200); do grep -q "Writing  5 " "$work/stderr" && break; sleep 0.05; done
  kill -INT "$pid"
  status=0; wait "$pid" || status=$?
  [ "$status" = 1 ] || fail "interrupted write exited $status"
  blocks=$(last_line | sed -n 's/^r5prog-cli: interrupted after \([0-9]*\) of 49 blocks: the radio holds a partial write$/\1/p')
  [ -n "$blocks" ] && [ "$blocks" -ge 5 ] || fail "last line: $(last_line)"
  stop_sim
  file_memory vhf.chann vhf.bin
  cmp <(head -c $((blocks * 16)) dump.bin) <(head -c $((blocks * 16)) vhf.bin) || fail "the radio lacks blocks it confirmed"
  start_sim radio2 --raw radio.bin
  "$R5CLI" read --port radio2 --output got.chann 2>"$work/stderr" &
  pid=$!
  for _ in $(seq 200); do grep -q "Reading 5 " "$work/stderr" && break; sleep 0.05; done
  kill -INT "$pid"
  status=0; wait "$pid" || status=$?
  [ "$status" = 1 ] && [ "$(last_line)" = "r5prog-cli: interrupted; nothing was stored" ] || fail "read: $status $(last_line)"
  [ ! -e got.chann ] || fail "an interrupted read wrote its output file"
  ;;
password-characters)
  cli 2 password --port "$work/nothing-here" --new "密码"
  grep -q "cannot be stored in the radio" "$work/stderr" || fail "message: $(cat "$work/stderr")"
  ;;
usage)
  cli 2 read --output got.chann
  cli 2 write --port COM9 --input x.chann
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "ok ($case_name)"
