#pragma once

#include <string>
#include <string_view>

namespace r5::testing_names {

// A parameterised case's name built from its text, so `--gtest_list_tests` and
// failure reports say which case it is. gtest takes only letters, digits and
// '_': a point becomes '_', any other byte its hex code, so different texts
// keep different names.
inline std::string caseName(std::string_view text)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string name = text.empty() ? "empty" : "";
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'))
            name += ch;
        else if (ch == '.')
            name += '_';
        else
            name += std::string{'x', kHex[byte >> 4], kHex[byte & 0x0F]};
    }
    return name;
}

} // namespace r5::testing_names
