#!/usr/bin/env bash
# Every misbehaviour of r5sim against every link command of r5prog-cli; one operation's cells run side by side.
#   R5CLI=... R5SIM=... fault_matrix.sh OPERATION      fault_matrix.sh --list
set -euo pipefail

operations=(read write password tuning-read tuning-write)
# A row a fault (no-port: no device; paced: none, at real pace), a cell [N:]outcome, N the answer hit (from 1; memory:
# the password block is 1, a read asks for 0 twice so 18 is 0x3C0-0x3FF, write row r is r + 2; tuning write: the
# record is 1, block b is b + 2; password: reading the record 1, writing it 2). ok: what was read or written is
# exact; @P: but for byte P; lost: radio given up; port: no open; B: the radio confirmed and holds B blocks;
# refused: old password refused; maybe: new password unconfirmed. Other failures leave radio and outputs as they were.
rows=(
  "paced             ok      ok      ok         ok      ok"
  "noise             ok      ok      ok         ok      ok"
  "split-reply       ok      ok      ok         ok      ok"
  "silent            lost    lost    lost       lost    lost"
  "no-marker         lost    lost    lost       lost    lost"
  "short-reply       5:ok    1:ok    1:lost     3:ok    1:ok"
  "wrong-ack         5:ok    10:ok   2:maybe    3:ok    10:ok"
  "garbage           5:ok    10:ok   2:maybe    3:ok    10:ok"
  "hangup            5:port  10:8    2:maybe    3:port  10:8"
  "marker-at         2:lost  2:ok    2:refused  2:lost  2:ok"
  "corrupt-reply     18:@993 1:ok    1:ok       3:@161  1:ok"
  "corrupt-reply     2:ok    2:ok    2:ok       2:@97   2:ok"
  "corrupt-write     1:ok    3:@25   2:@937     1:ok    3:@25"
  "answer-every-ack  ok      ok      ok         ok      ok"
  "unplug            5:port  30:28   2:maybe    3:port  20:18"
  "no-port           port    port    port       port    port"
)
# What stderr says of a failure (a tuning operation not named: as the memory's; a password change: as a read).
declare -A says=(
  [read/lost]="Fail connect with transceiver." [write/lost]="The radio confirmed none of the blocks."
  [tuning-read/lost]="Communication fault." [password/refused]="Old PassWord Error, Writeing Stop"
  [read/port]="Communication port is error" [write/port]="Nothing was sent to the radio."
  [tuning-read/port]="Communication Port Open Error"
  [password/maybe]="The radio did not confirm the new password: it may hold the old one or the new one.")
declare -A command=(
  [read]="read --output got.chann --raw got.bin" [write]="write --input ../vhf.chann"
  [password]="password --old abc --new xyz" [tuning-read]="adjust-read --output got.adj"
  [tuning-write]="adjust-write --input ../after-tuning-write.adj")

[ "${1:-}" != --list ] || { printf '%s\n' "${operations[@]}"; exit 0; }

operation=$1 column=0
for op in "${operations[@]}"; do column=$((column + 1)); [ "$op" = "$operation" ] && break; done
[ "$op" = "$operation" ] || { echo "unknown operation $operation"; exit 2; }
. "$(dirname "$0")/e2e_lib.sh"
work=$(mktemp -d) case_name=$operation sims=()
trap 'rm -rf "$work"' EXIT
cd "$work"

# One byte value a line, from a binary dump or a text of numbers (.adj).
values() { { [[ $1 = *.bin ]] && od -An -v -tu1 -w1 "$1" || cat "$1"; } | tr -s ' \r\n' '\n' | sed '/^$/d'; }

# The radio at the start (random, password "abc") and what a write or password change should leave.
{ head -c 928 /dev/urandom; printf 'abc   '; head -c 90 /dev/urandom; } >radio.bin
head -c 512 /dev/urandom | od -An -v -tu1 -w16 >radio.adj
head -c 512 /dev/urandom | od -An -v -tu1 -w16 >after-tuning-write.adj
"$R5CLI" defaults --model Sable-VHF --output vhf.chann
file_memory vhf.chann vhf.bin
{ head -c 784 vhf.bin; tail -c +785 radio.bin; } >after-write.bin
{ head -c 928 radio.bin; printf 'xyz   '; tail -c +935 radio.bin; } >after-password.bin

run_cell() {
  local fault=$1 outcome=$2 status=1 code=0 port=$work/cell-$fault/radio
  [[ $outcome != ok && $outcome != @* ]] || status=0
  local message=${says[$operation/$outcome]:-${says[${operation#tuning-}/$outcome]:-${says[read/$outcome]:-}}}
  [[ $outcome != [0-9]* ]] || message="The radio confirmed $outcome of "
  mkdir "cell-$fault" && cd "cell-$fault"
  case_name="$operation $fault" work=$PWD
  trap stop_all_sims EXIT
  local options=(--fast --fault "$fault"); [ "$fault" != paced ] || options=()
  [ "$fault" = no-port ] && port=$PWD/no-device ||
    start_sim radio --raw ../radio.bin --adjust ../radio.adj --dump dump.bin --dump-adjust adjust.bin "${options[@]}"
  for output in got.chann got.bin got.adj; do echo keep >$output; done
  SECONDS=0
  "$R5CLI" ${command[$operation]} --port "$port" 2>stderr || code=$?
  [ "$code" = "$status" ] || fail "exited $code, expected $status: $(cat stderr)"
  # A silent radio is asked four times about two seconds apart.
  [ "$operation $fault" != "read silent" ] || ((SECONDS >= 6 && SECONDS <= 12)) || fail "gave up after $SECONDS s"
  [ -z "$message" ] || grep -qF -- "$message" stderr || fail "no \"$message\" in: $(cat stderr)"
  # A program that ended with the port open leaves its lock behind.
  ! ls {/var/lock,/run/lock,/tmp,/var/tmp}/LCK..${port//\//_} 2>/dev/null || fail "the port was left open"
  [ "$fault" = no-port ] || stop_sim
  [ "$status" = 0 ] || [ "$(cat got.chann got.bin got.adj)" = keep$'\n'keep$'\n'keep ] ||
    fail "a failed command replaced an output"
  # A failure leaves the radio; else a read's output holds the radio's, or the radio what was written (or confirmed).
  local got=dump.bin expect=../radio.bin lines=1024 differs=
  [[ $operation != tuning-* ]] || got=adjust.bin expect=../radio.adj
  if [[ $status = 0 || $outcome = [0-9]* ]]; then
    [[ $operation = *read ]] && got=got.${expect##*.} || expect=$(echo ../after-$operation.*)
  fi
  [[ $outcome != [0-9]* ]] || lines=$((outcome * 16))
  [[ $outcome != @* ]] || differs=${outcome#@}
  [ -e "$got" ] || [ "$fault" = no-port ] || fail "no $got"
  [ "$outcome" = maybe ] || [ ! -e "$got" ] ||
    [ "$(paste -d' ' <(values "$got") <(values "$expect") | awk -v n=$lines 'NR <= n && $1 != $2 {print NR}')" = "$differs" ] ||
    fail "$got differs from $expect other than at '$differs'"
  [ "$operation/$status" != read/0 ] || holds_rows got.chann ../radio.bin
  echo "ok ($operation $fault)"
}

cells=0
for row in "${rows[@]}"; do
  read -r -a cell <<<"$row"
  fault=${cell[0]} outcome=${cell[column]}
  [[ $outcome != *:* ]] || fault=$fault:${outcome%%:*} outcome=${outcome#*:}
  # Enough side by side to overlap the waiting, few enough that no program starves and splits its own command.
  while [ "$(jobs -rp | wc -l)" -ge 6 ]; do wait -n || true; done
  (run_cell "$fault" "$outcome") >"log-$cells" 2>&1 &
  cells=$((cells + 1))
done
wait
cat log-*
[ "$(cat log-* | grep -c '^ok')" = "$cells" ]
