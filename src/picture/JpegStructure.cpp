#include "picture/JpegStructure.h"

namespace {

constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kHuffmanTables = 0xC4;

uint32_t ReadU16BigEndian(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 8 | p[1];
}

bool IsStandalone(uint8_t marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

// Start of frame: C0 to CF except C4 (Huffman tables), C8 (reserved) and CC (arithmetic tables).
bool IsFrame(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

struct Walk {
    JpegStructure found;
    bool dcDefined[4] = {};
    bool acDefined[4] = {};
    int frames = 0;
    bool progressive = false;

    bool Fail(const char* why) {
        found.verdict = JpegVerdict::Damaged;
        found.detail = why;
        return false;
    }

    // The frame header: precision, height, width, ...
    bool Frame(uint8_t marker, const uint8_t* p, size_t length) {
        if (++frames > 1)
            return Fail("more than one frame");
        if (length < 5)
            return Fail("bad frame header");
        progressive = marker == 0xC2;
        found.height = static_cast<int32_t>(ReadU16BigEndian(p + 1));
        found.width = static_cast<int32_t>(ReadU16BigEndian(p + 3));
        return true;
    }

    // A DHT segment's body: tables of a class and slot byte, 16 counts and that many symbols.
    bool Tables(const uint8_t* p, const uint8_t* end) {
        while (p < end) {
            const int tableClass = p[0] >> 4, slot = p[0] & 15;
            if (tableClass > 1 || slot > 3 || end - p < 17)
                return Fail("bad Huffman table header");
            uint32_t symbols = 0;
            for (int i = 1; i <= 16; ++i)
                symbols += p[i];
            if (symbols > 256 || static_cast<size_t>(end - p) < 17 + symbols)
                return Fail("bad Huffman table size");
            (tableClass == 0 ? dcDefined : acDefined)[slot] = true;
            p += 17 + symbols;
        }
        return true;
    }

    // An SOS segment's body: the components' table selectors, then the spectral selection start
    // and the successive approximation. A progressive scan uses only the tables its kind decodes.
    bool Scan(const uint8_t* p, size_t length) {
        const size_t components = length >= 1 ? p[0] : 0;
        if (frames != 1)
            return Fail("scan outside one frame");
        if (components < 1 || components > 4 || length != 4 + 2 * components)
            return Fail("bad scan header");
        const uint8_t spectralStart = p[1 + 2 * components];
        const uint8_t approximationHigh = p[3 + 2 * components] >> 4;
        const bool usesDc = !progressive || (spectralStart == 0 && approximationHigh == 0);
        const bool usesAc = !progressive || spectralStart != 0;
        for (size_t i = 0; i < components; ++i) {
            const int dc = p[2 + 2 * i] >> 4, ac = p[2 + 2 * i] & 15;
            if (dc > 3 || ac > 3)
                return Fail("bad scan table");
            if ((usesDc && !dcDefined[dc]) || (usesAc && !acDefined[ac]))
                return Fail("scan uses an undefined Huffman table");
        }
        return true;
    }
};

}  // namespace

JpegStructure CheckJpegStructure(const uint8_t* file, size_t size) {
    Walk walk;
    auto verdict = [&walk](JpegVerdict verdict) {
        walk.found.verdict = verdict;
        return walk.found;
    };
    size_t at = 0;  // the start-of-image marker is read as a standalone one
    for (;;) {
        // Bytes between segments are skipped, as the decoder skips them; a marker may have fill bytes.
        while (at < size && file[at] != 0xFF)
            ++at;
        while (at < size && file[at] == 0xFF)
            ++at;
        if (at >= size)
            return verdict(JpegVerdict::Truncated);
        const uint8_t marker = file[at++];
        if (marker == kEndOfImage)
            return verdict(JpegVerdict::Sound);
        if (IsStandalone(marker))
            continue;
        if (size - at < 2)
            return verdict(JpegVerdict::Truncated);
        const size_t length = ReadU16BigEndian(file + at);
        if (length < 2) {
            walk.Fail("bad segment length");
            return walk.found;
        }
        if (size - at < length)
            return verdict(JpegVerdict::Truncated);
        const uint8_t* body = file + at + 2;
        const size_t bodyLength = length - 2;
        at += length;
        bool sound = true;
        if (IsFrame(marker)) {
            sound = walk.Frame(marker, body, bodyLength);
        } else if (marker == kHuffmanTables) {
            sound = walk.Tables(body, body + bodyLength);
        } else if (marker == kStartOfScan) {
            sound = walk.Scan(body, bodyLength);
            // Entropy-coded data: a run of 0xFF in it (fill bytes) followed by 0 (a stuffed byte) or
            // a restart stays in it, as the decoder reads it; any other byte after the run is the
            // next marker, which the walk then reads from the run's first 0xFF.
            while (sound && at < size) {
                size_t next = at;
                while (next < size && file[next] == 0xFF)
                    ++next;
                if (next == at)
                    ++at;
                else if (next < size && (file[next] == 0 || (file[next] >= 0xD0 && file[next] <= 0xD7)))
                    at = next + 1;
                else
                    break;
            }
        }
        if (!sound)
            return walk.found;
    }
}
