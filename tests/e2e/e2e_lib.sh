# Shared by the end-to-end scripts; the caller sets `work` (links and dumps go there), `case_name` and `sims`.

fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }

# Starts a virtual radio linked at $work/NAME; extra arguments go to r5sim.
start_sim() {
  local name=$1; shift
  "$R5SIM" --link "$work/$name" "$@" >"$work/$name.out" 2>&1 &
  sims+=($!)
  for _ in $(seq 100); do [ -L "$work/$name" ] && return 0; sleep 0.05; done
  fail "r5sim did not come up: $(cat "$work/$name.out")"
}

# Stops the last started radio (it dumps its memory on the way out), unless a pulled cable stopped it.
stop_sim() {
  local pid=${sims[-1]}
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" || fail "r5sim exited with $?: $(cat "$work"/*.out)"
  unset 'sims[-1]'
}

# The memory a channel file gives the radio, as 1024 bytes.
file_memory() {
  start_sim file --fast --image "$1" --dump "$2"
  stop_sim
}

# A channel file holds rows 0 to 53 of the memory dump MEMORY.
holds_rows() {
  file_memory "$1" "$work/rows.bin"
  cmp <(head -c 864 "$work/rows.bin") <(head -c 864 "$2") || fail "$1 does not hold rows 0 to 53 of $2"
}

stop_all_sims() {
  for pid in "${sims[@]}"; do kill -TERM "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
}
