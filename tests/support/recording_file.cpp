#include "support/recording_file.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace recfile {
namespace {

uint64_t U(const uint8_t* p, int bytes) {
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

std::string Text(const uint8_t* p, size_t size) {
    return std::string(reinterpret_cast<const char*>(p), strnlen(reinterpret_cast<const char*>(p), size));
}

}  // namespace

uint32_t Line::Cycle() const { return static_cast<uint32_t>(U(&bytes[8], 4)); }

uint64_t File::LinesLost() const {
    uint64_t lost = 0;
    for (const Event& e : events) lost += e.kind == "Gap" ? e.value : 0;
    return lost;
}

const Event* File::Find(const std::string& kind) const {
    for (const Event& e : events)
        if (e.kind == kind) return &e;
    return nullptr;
}

File Read(const std::string& path) {
    File f;
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    const std::vector<uint8_t> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    f.size = d.size();
    static const uint8_t kMagic[8] = {0x89, 'V', 'N', 'R', 'E', 'C', 0x0D, 0x0A};
    if (d.size() < 512 || std::memcmp(d.data(), kMagic, 8) != 0 || U(&d[8], 4) != 1) {
        f.error = "not a recording";
        return f;
    }
    const uint64_t headerSize = U(&d[12], 4), recordSize = U(&d[16], 4);
    f.eventSlots = static_cast<uint32_t>(U(&d[20], 4));
    f.startTime = static_cast<int64_t>(U(&d[24], 8));
    f.deviceIndex = static_cast<uint16_t>(U(&d[32], 2));
    f.samplingDivider = static_cast<uint16_t>(U(&d[34], 2));
    f.linesPerRead = d[36];
    if (d[37] == 1) f.confData.assign(&d[176], &d[176] + 272);
    f.moduleVersion = Text(&d[40], 24);
    f.serialNumber = Text(&d[64], 32);
    f.deviceInfo = Text(&d[96], 80);

    size_t pending = 0;
    for (uint64_t slot = 0; slot < f.eventSlots; ++slot) {
        const uint64_t at = headerSize + slot * recordSize;
        if (at + recordSize > d.size() || U(&d[at], 2) == 0) break;
        const uint8_t* r = &d[at];
        const size_t bytes = U(r + 2, 2);
        if (U(r, 2) == 2) {
            Event e;
            e.time = static_cast<int64_t>(U(r + 8, 8));
            e.line = U(r + 16, 8);
            e.value = U(r + 24, 8);
            e.kind = Text(r + 32, 24);
            e.text.assign(reinterpret_cast<const char*>(r + 56), bytes < 152 ? bytes : 152);
            pending = bytes - e.text.size();
            f.events.push_back(e);
        } else if (U(r, 2) == 3 && !f.events.empty() && pending > 0) {
            const size_t n = bytes < pending ? bytes : pending;
            f.events.back().text.append(reinterpret_cast<const char*>(r + 16), n);
            pending -= n;
        }
    }

    const uint64_t linesStart = headerSize + f.eventSlots * recordSize;
    const uint64_t lineBytes = d.size() > linesStart ? d.size() - linesStart : 0;
    f.truncated = lineBytes % recordSize != 0;
    for (uint64_t i = 0; i < lineBytes / recordSize; ++i) {
        const uint8_t* r = &d[linesStart + i * recordSize];
        if (U(r, 2) != 1 || U(r + 16, 4) != 0x01DDFF03) {
            f.truncated = true;
            break;
        }
        Line line;
        line.time = static_cast<int64_t>(U(r + 8, 8));
        line.bytes.assign(r + 16, r + 16 + 192);
        f.lines.push_back(std::move(line));
    }
    return f;
}

}  // namespace recfile
