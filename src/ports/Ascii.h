#pragma once

namespace quillet {

// Plain ASCII tests: unlike <cctype>, they ignore the C locale and take a negative char.
constexpr bool isAsciiDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

constexpr bool isAsciiLetter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

constexpr char toAsciiLower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

}  // namespace quillet
