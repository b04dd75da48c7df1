// Texts a careless or hostile user may type into any box: empty and blank text, lone signs and
// points, numbers beyond single precision, words for non-finite values, badly grouped commas,
// hexadecimal, a very long text, non-ASCII text and numbers padded with blanks.
#pragma once

#include <string>
#include <vector>

namespace pmsect::robust {

inline const std::vector<std::string>& hostileTexts() {
    static const std::vector<std::string> texts = {
        "",
        "   ",
        "-",
        ".",
        "+",
        "1e39",
        "-1e39",
        "3.4028236e38",
        "1e38",
        "-1e38",
        "3e38",
        "1e-45",
        "nan",
        "NaN",
        "inf",
        "-inf",
        "Infinity",
        "1,000",
        "1,00",
        "1.2.3",
        "0x10",
        "1e",
        "--5",
        "5-",
        std::string(10000, '9'),
        std::string(10000, 'x'),
        "1" + std::string(9999, '0'),
        "0." + std::string(9998, '0'),
        "\xCE\xA9\xD9\xA3", // an ohm sign and an Arabic-Indic three
        "12\xC2\xA0",       // a no-break space after the number
        "  42  ",
        "\t-7.5\t",
        " 1,000.5 ",
        "0",
        "-0",
        "-1",
        "2.5",
        "32767",
        "32768",
        "-32769",
        "2147483648",
        "1e10",
        std::string("1\0"
                    "2",
                    3),
    };
    return texts;
}

// A printable form of a text for failure messages: long texts cut, control bytes escaped.
inline std::string shownForMessage(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < 40; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 32 || c >= 127) {
            static const char* hex = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    if (text.size() > 40) {
        out += "...(" + std::to_string(text.size()) + " characters)";
    }
    return "\"" + out + "\"";
}

} // namespace pmsect::robust
