#pragma once

#include <string>
#include <string_view>

namespace r5::testing_names {

// A parameterised case's name built from its text, so `--gtest_list_tests` and
// failure reports say which case it is. gtest takes only letters, digits and
// '_': blanks and points become '_', other punctuation is spelt out and bytes
// outside ASCII are written in hex, so different texts keep different names.
inline std::string caseName(std::string_view text)
{
    if (text.empty())
        return "empty";
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return "blank" + std::to_string(text.size());
    std::string name;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) {
            name += ch;
            continue;
        }
        switch (ch) {
        case ' ':
        case '.':
        case '_':
            name += '_';
            break;
        case '\t': name += "_tab_"; break;
        case '+': name += "_plus_"; break;
        case '-': name += "_minus_"; break;
        case '#': name += "_hash_"; break;
        case '$': name += "_dollar_"; break;
        case '*': name += "_star_"; break;
        case '/': name += "_slash_"; break;
        case '\\': name += "_backslash_"; break;
        case '?': name += "_query_"; break;
        default: {
            constexpr char kHex[] = "0123456789ABCDEF";
            name += 'x';
            name += kHex[byte >> 4];
            name += kHex[byte & 0x0F];
            break;
        }
        }
    }
    return name;
}

// A byte value as two hex digits, for cases keyed by a stored code.
inline std::string hexByte(unsigned value)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    return std::string{kHex[(value >> 4) & 0x0F], kHex[value & 0x0F]};
}

} // namespace r5::testing_names
