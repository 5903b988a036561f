#!/usr/bin/env bash
# Every misbehaviour of r5sim against every link command of r5prog-cli.
#   R5CLI=... R5SIM=... fault_matrix.sh OPERATION      fault_matrix.sh --list
# The cells of one operation run side by side: most of their time is the
# program waiting out its own reply time-outs and retry pauses.
set -euo pipefail

operations=(read write password tuning-read tuning-write)
# One row a fault (no-port: a path that is no device), one cell an operation:
# [N:]outcome, N the answer the fault hits. r5sim counts answers from 1: in a
# read or write of the memory the password block is answer 1 and a read asks
# for address 0 twice, so answer 18 carries 0x3C0 to 0x3FF and row r of a
# write is answer r + 2; in a tuning write the record is answer 1 and block b
# answer b + 2; a password change reads its record (1) and writes it (2).
# Outcomes: ok = success, and what was read or what the radio holds is exact;
# @P = so, but for byte P (1-based); lost = the radio was given up; port = the
# port does not open; B = the radio confirmed B blocks of the write and holds
# them; refused = the old password is refused; maybe = the radio did not
# confirm the new password. A failure leaves the radio and the output files as
# they were, unless the radio confirmed blocks or may hold the new password.
rows=(
  "-                 ok      ok      ok         ok      ok"
  "silent            lost    lost    lost       lost    lost"
  "no-marker         lost    lost    lost       lost    lost"
  "short-reply       5:ok    1:ok    1:lost     3:ok    1:ok"
  "wrong-ack         5:ok    10:ok   2:maybe    3:ok    10:ok"
  "garbage           5:ok    10:ok   2:maybe    3:ok    10:ok"
  "hangup            5:port  10:8    2:maybe    3:port  10:8"
  "marker-at         2:lost  2:ok    2:refused  2:lost  2:ok"
  "corrupt-reply     18:@993 1:ok    1:ok       3:@161  1:ok"
  "answer-every-ack  ok      ok      ok         ok      ok"
  "unplug            5:port  30:28   2:maybe    3:port  20:18"
  "no-port           port    port    port       port    port"
)
# What the user reads (a fragment of stderr), by operation and outcome.
declare -A says=(
  [read/ok]="Complete reading the data from transceiver."
  [write/ok]="Complete writing Data to the transceiver."
  [password/ok]="PassWord Modify Success !"
  [tuning-read/ok]="Complete reading the data from transceiver."
  [tuning-write/ok]="Complete writing optional parameters to the transceiver."
  [read/lost]="Fail connect with transceiver." [password/lost]="Fail connect with transceiver."
  [tuning-read/lost]="Communication fault."
  [write/lost]="The radio confirmed none of the blocks." [tuning-write/lost]="The radio confirmed none of the blocks."
  [read/port]="Communication port is error" [password/port]="Communication port is error"
  [tuning-read/port]="Communication Port Open Error"
  [write/port]="Nothing was sent to the radio." [tuning-write/port]="Nothing was sent to the radio."
  [password/refused]="Old PassWord Error, Writeing Stop"
  [password/maybe]="The radio did not confirm the new password: it may hold the old one or the new one."
)

if [ "${1:-}" = --list ]; then
  printf '%s\n' "${operations[@]}"
  exit 0
fi

operation=$1
column=0
while [ "${operations[$column]:-$operation}" != "$operation" ]; do column=$((column + 1)); done
[ "$column" -lt "${#operations[@]}" ] || { echo "unknown operation $operation"; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# One byte value a line, from a binary dump or a text of numbers (.adj).
values() {
  case $1 in
    *.bin) od -An -v -tu1 -w1 "$1" ;;
    *) cat "$1" ;;
  esac | tr -s ' \r\n' '\n' | sed '/^$/d'
}

# What the radio holds at the start: random memory with the password "abc",
# a random tuning block; and what a write or password change should leave.
head -c 1024 /dev/urandom >radio.bin
printf 'abc   ' | dd of=radio.bin bs=1 seek=928 conv=notrunc 2>/dev/null
head -c 512 /dev/urandom | od -An -v -tu1 -w16 >radio.adj
head -c 512 /dev/urandom | od -An -v -tu1 -w16 >new.adj
"$R5CLI" defaults --model Sable-VHF --output vhf.chann
"$R5SIM" --link "$work/file" --fast --image vhf.chann --dump vhf.bin >/dev/null &
for _ in $(seq 100); do [ -L file ] && break; sleep 0.05; done
kill -TERM $! && wait $!
cp radio.bin after-write.bin
head -c 784 vhf.bin | dd of=after-write.bin conv=notrunc 2>/dev/null
cp radio.bin after-password.bin
printf 'xyz   ' | dd of=after-password.bin bs=1 seek=928 conv=notrunc 2>/dev/null
cp new.adj after-tuning-write.adj

run_cell() {
  local fault=$1 outcome=$2 status=1
  [[ $outcome != ok && $outcome != @* ]] || status=0
  local message=${says[$operation/${outcome%%@*}]:-${says[$operation/ok]}}
  [[ $outcome != [0-9]* ]] || message="The radio confirmed $outcome of "
  local dir=$work/cell-$fault
  mkdir "$dir" && cd "$dir"
  fail() { echo "FAIL ($operation $fault): $*"; exit 1; }
  local port=$dir/radio; sim=
  trap '[ -z "$sim" ] || kill -TERM $sim 2>/dev/null || true' EXIT
  if [ "${fault%%:*}" = no-port ]; then
    port=$dir/no-device
  else
    local options=(--fast --raw ../radio.bin --adjust ../radio.adj --dump dump.bin --dump-adjust adjust.bin)
    [ "$fault" = - ] || options+=(--fault "$fault")
    "$R5SIM" --link "$port" "${options[@]}" >sim.out 2>&1 &
    sim=$!
    for _ in $(seq 100); do [ -L "$port" ] && break; sleep 0.05; done
    [ -L "$port" ] || fail "r5sim did not come up: $(cat sim.out)"
  fi
  echo keep >got.chann; echo keep >got.bin; echo keep >got.adj
  local code=0
  case $operation in
    read) "$R5CLI" read --port "$port" --output got.chann --raw got.bin 2>stderr || code=$? ;;
    write) "$R5CLI" write --port "$port" --input ../vhf.chann 2>stderr || code=$? ;;
    password) "$R5CLI" password --port "$port" --old abc --new xyz 2>stderr || code=$? ;;
    tuning-read) "$R5CLI" adjust-read --port "$port" --output got.adj 2>stderr || code=$? ;;
    tuning-write) "$R5CLI" adjust-write --port "$port" --input ../new.adj 2>stderr || code=$? ;;
  esac
  # A failure leaves the radio as it was (a read never changes it); else the
  # read's output holds the radio's, or the radio holds what was written.
  local got=dump.bin expect=../radio.bin output=got.bin
  [[ $operation != tuning-* ]] || got=adjust.bin expect=../radio.adj output=got.adj
  if [ "$status" = 0 ] || [[ $outcome = [0-9]* ]]; then
    [[ $operation = *read ]] && got=$output || expect=$(echo ../after-$operation.*)
  fi
  [ "$code" = "$status" ] || fail "exited $code, expected $status: $(cat stderr)"
  grep -qF -- "$message" stderr || fail "no \"$message\" in: $(cat stderr)"
  # The serial port's lock goes with an orderly close; a program that ended
  # with the port open leaves it behind.
  for lock in /var/lock /run/lock /tmp /var/tmp; do
    [ ! -e "$lock/LCK..${port//\//_}" ] || fail "the port was left open ($lock)"
  done
  if [ -n "$sim" ]; then
    kill -TERM $sim 2>/dev/null || true   # a pulled cable ended it already
    wait $sim || fail "r5sim exited $?: $(cat sim.out)"
    sim=
  fi
  [ "$status" = 0 ] || [ "$(cat got.chann got.bin got.adj)" = keep$'\n'keep$'\n'keep ] ||
    fail "a failed command replaced an output"
  [ -e "$got" ] || [ "$port" != "$dir/radio" ] || fail "no $got"
  if [[ $outcome = [0-9]* ]]; then
    # The radio holds at least the blocks the message says it confirmed.
    cmp <(values "$got" | head -n $((outcome * 16))) <(values "$expect" | head -n $((outcome * 16))) ||
      fail "the radio lacks blocks it confirmed"
  elif [[ $outcome = @* ]]; then
    [ "$(diff <(values "$got") <(values "$expect") | sed -n 's/^\([0-9]*\)c[0-9]*$/\1/p')" = "${outcome#@}" ] ||
      fail "$got should differ at ${outcome#@} only"
  elif [ "$outcome" != maybe ] && [ -e "$got" ]; then
    cmp <(values "$got") <(values "$expect") || fail "$got differs from $expect"
  fi
  echo "ok ($operation $fault)"
}

cells=0
for row in "${rows[@]}"; do
  read -r -a cell <<<"$row"
  fault=${cell[0]} outcome=${cell[$((column + 1))]}
  [[ $outcome != *:* ]] || fault=$fault:${outcome%%:*} outcome=${outcome#*:}
  # Enough side by side to overlap the waiting, few enough that no program
  # starves long enough to split its own command on the line.
  while [ "$(jobs -rp | wc -l)" -ge 6 ]; do wait -n || true; done
  (run_cell "$fault" "$outcome") >"log-$cells" 2>&1 &
  cells=$((cells + 1))
done
wait
cat log-*
[ "$(grep -c '^ok' log-* | awk -F: '{n += $2} END {print n}')" = "$cells" ]
