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

// Decodes the UTF-8 sequence at s[i] into *c. *used is its length: that of a
// complete sequence, else 1. False when it is not well-formed: incomplete, a
// stray or invalid byte, not in its shortest form, a surrogate, or beyond
// U+10FFFF.
inline bool DecodeUtf8(const uint8_t* s, size_t length, size_t i, uint32_t* c, size_t* used) {
    const uint8_t b = s[i];
    size_t extra = 0;
    uint32_t least = 0;
    *used = 1;
    if (b < 0x80) {
        *c = b;
        return true;
    } else if ((b & 0xE0) == 0xC0) {
        *c = b & 0x1F, extra = 1, least = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        *c = b & 0x0F, extra = 2, least = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        *c = b & 0x07, extra = 3, least = 0x10000;
    } else {
        return false;
    }
    if (length - i <= extra) return false;
    for (size_t k = 1; k <= extra; ++k) {
        if ((s[i + k] & 0xC0) != 0x80) return false;
    }
    for (size_t k = 1; k <= extra; ++k) *c = (*c << 6) | (s[i + k] & 0x3F);
    *used = 1 + extra;
    return *c >= least && *c <= 0x10FFFF && !(*c >= 0xD800 && *c <= 0xDFFF);
}

// True for well-formed UTF-8 (DecodeUtf8 throughout).
inline bool IsUtf8(const char* text, size_t length) {
    const auto* s = reinterpret_cast<const uint8_t*>(text);
    uint32_t c;
    size_t used;
    for (size_t i = 0; i < length; i += used) {
        if (!DecodeUtf8(s, length, i, &c, &used)) return false;
    }
    return true;
}

inline std::vector<uint16_t> Utf8ToUtf16(const char* text, size_t length) {
    std::vector<uint16_t> out;
    out.reserve(length);
    const auto* s = reinterpret_cast<const uint8_t*>(text);
    uint32_t c;
    size_t used;
    for (size_t i = 0; i < length; i += used) {
        if (!DecodeUtf8(s, length, i, &c, &used)) c = 0xFFFD;
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
