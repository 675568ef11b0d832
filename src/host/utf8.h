// UTF-8 and UTF-16 text, for the hosts whose characters are UTF-16 units
// (MATLAB and the standalone host). Unpaired surrogates and malformed UTF-8
// become U+FFFD, so that any text converts; IsUtf8 and the whole flag tell
// the module's inputs that are not text from those that are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace host {

// whole (when given) becomes false when an unpaired surrogate was replaced.
inline std::string Utf16ToUtf8(const uint16_t* units, size_t count, bool* whole = nullptr) {
    if (whole) *whole = true;
    std::string out;
    out.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        uint32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
            if (whole) *whole = false;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// True for well-formed UTF-8: every sequence complete, in its shortest form,
// no surrogates, nothing beyond U+10FFFF.
inline bool IsUtf8(const char* text, size_t length) {
    const auto* s = reinterpret_cast<const uint8_t*>(text);
    size_t i = 0;
    while (i < length) {
        const uint8_t b = s[i];
        size_t extra = 0;
        uint32_t c = b;
        uint32_t least = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F, extra = 1, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F, extra = 2, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07, extra = 3, least = 0x10000;
        } else {
            return false;
        }
        if (length - i <= extra) return false;
        for (size_t k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
            c = (c << 6) | (s[i + k] & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += 1 + extra;
    }
    return true;
}

inline std::vector<uint16_t> Utf8ToUtf16(const char* text, size_t length) {
    std::vector<uint16_t> out;
    out.reserve(length);
    const auto* s = reinterpret_cast<const uint8_t*>(text);
    size_t i = 0;
    while (i < length) {
        const uint8_t b = s[i];
        uint32_t c = 0xFFFD;
        size_t extra = 0;
        uint32_t least = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F, extra = 1, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F, extra = 2, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07, extra = 3, least = 0x10000;
        }
        size_t used = 1;
        if (extra > 0) {
            bool whole = i + extra < length;
            for (size_t k = 1; whole && k <= extra; ++k) {
                if ((s[i + k] & 0xC0) != 0x80) whole = false;
            }
            if (whole) {
                for (size_t k = 1; k <= extra; ++k) c = (c << 6) | (s[i + k] & 0x3F);
                used = 1 + extra;
                if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
            } else {
                c = 0xFFFD;
            }
        }
        i += used;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<uint16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<uint16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<uint16_t>(c));
        }
    }
    return out;
}

}  // namespace host
