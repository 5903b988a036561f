#pragma once

#include "exchange_adapter.h"

#include <cstddef>
#include <cstdint>

namespace r5::fuzz {

// Plays one fuzz input as the radio's side of an exchange, on a fake port and
// a virtual clock, and stops the run when the exchange breaks a promise.
//
// The input is a list of records. Each starts with a control byte:
//   bit 7       wait first for the program's next command (bytes written,
//               then kCommandSilenceMs without more), at most kSyncLimitMs;
//   bits 0 to 6 0x7D the cable is pulled, 0x7E the user aborts, 0x7F the
//               user presses the button again; otherwise a delay before the
//               chunk: 0 to 63 ms as it stands, 64 and up in steps of 50 ms;
// then, for a chunk, a length byte and that many bytes, handed to the port at
// once. When the input ends the clock runs on for kDrainMs with the radio
// silent.
//
// Promises checked: an exchange that did not complete leaves the image and
// the tuning block as they were (only a completed read stores); a completed
// write, tuning write or password change has sent every block of it; each start
// ends in exactly one outcome, and an abort in none; once the last retry has
// run out the exchange has ended, is not busy and has closed its port; no
// byte is read from an empty port or written to a closed one.
void playExchange(ExchangeKind kind, const uint8_t* data, size_t size);

} // namespace r5::fuzz
