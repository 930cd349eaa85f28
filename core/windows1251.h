#pragma once

#include <optional>

// The windows-1251 byte of one UTF-16 code unit, or nothing when the code page lacks it.
std::optional<unsigned char> Windows1251Byte(char16_t unit);
