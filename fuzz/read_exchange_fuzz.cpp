#include "exchange_player.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    r5::fuzz::playExchange(r5::fuzz::ExchangeKind::Read, data, size);
    return 0;
}
