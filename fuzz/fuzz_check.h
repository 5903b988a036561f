#pragma once

#include "files/number_file.h"

#include <cstdio>
#include <cstdlib>

namespace r5::fuzz {

// A broken promise of the code under test: says which and stops the run, so
// the fuzzer keeps the input that caused it.
inline void require(bool holds, const char* promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: broken: %s\n", promise);
    std::abort();
}

// What any refused data file must still get right: a message in both
// languages and offending text a terminal or message box can show safely.
inline void checkFileError(const FileError& error)
{
    require(!error.message(Language::English).isEmpty() && !error.message(Language::Chinese).isEmpty(),
            "a refused file has a message in both languages");
    for (const QChar ch : error.token)
        require(ch.unicode() >= 0x20 && ch.unicode() < 0x7F, "the offending text shows printable ASCII only");
    if (!error.token.isEmpty())
        require(error.line >= 1 && error.column >= 1, "an offending value is placed by line and column");
}

} // namespace r5::fuzz
