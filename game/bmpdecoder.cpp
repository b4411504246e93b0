#include "bmpdecoder.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace BmpDecoder {

namespace {

enum Compression : quint32 { kPlain = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

constexpr qint64 kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kInfoHeaderSize = 40;

// Little-endian reads that check their range: a field past the end reads
// as 0, and callers check a range with has() before they trust it.
class Bytes
{
public:
    explicit Bytes(const QByteArray &bytes)
        : m_data(reinterpret_cast<const uchar *>(bytes.constData()))
        , m_size(bytes.size())
    { }

    bool has(qint64 at, qint64 count) const { return at >= 0 && count >= 0 && at <= m_size && count <= m_size - at; }
    // The `count` bytes from `at`, or null when they are not all there.
    const uchar *span(qint64 at, qint64 count) const { return has(at, count) ? m_data + at : nullptr; }
    quint32 u8(qint64 at) const { return has(at, 1) ? m_data[at] : 0; }
    quint32 u16(qint64 at) const { return has(at, 2) ? qFromLittleEndian<quint16>(m_data + at) : 0; }
    quint32 u32(qint64 at) const { return has(at, 4) ? qFromLittleEndian<quint32>(m_data + at) : 0; }

private:
    const uchar *m_data;
    qint64 m_size;
};

// The header fields as the file states them, before any is trusted.
struct Fields
{
    qint64 width = 0;
    qint64 height = 0; // negative: rows stored top row first
    quint32 planes = 0;
    quint32 bits = 0;
    quint32 compression = kPlain;
    quint32 coloursUsed = 0;
    int entrySize = 4; // bytes per colour table entry: 3 in the oldest header
    qint64 tableStart = 0;
    qint64 dataOffset = 0;
    std::array<quint32, 4> masks{}; // red, green, blue, alpha
};

// What the decoder works from, once every field is checked against the file.
struct Layout
{
    int width = 0;
    int rows = 0;
    bool topDown = false;
    int bits = 0;
    quint32 compression = kPlain;
    qint64 colours = 0;
    int entrySize = 4;
    qint64 tableStart = 0;
    qint64 dataStart = 0;
    qint64 stride = 0; // bytes per stored row, uncompressed
    std::array<quint32, 4> masks{};
    bool alpha = false;
};

bool knownHeaderSize(quint32 size)
{
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

void readCoreHeader(const Bytes &file, Fields &f)
{
    f.width = qint16(file.u16(18));
    f.height = qint16(file.u16(20));
    f.planes = file.u16(22);
    f.bits = file.u16(24);
    f.entrySize = 3;
}

// The 40-byte header and its later extensions, which only add fields.
bool readInfoHeader(const Bytes &file, quint32 headerSize, Fields &f)
{
    f.width = qint32(file.u32(18));
    f.height = qint32(file.u32(22));
    f.planes = file.u16(26);
    f.bits = file.u16(28);
    f.compression = file.u32(30);
    f.coloursUsed = file.u32(46);
    const int maskCount = headerSize >= 56 ? 4 : headerSize >= 52 ? 3 : 0;
    for (int i = 0; i < maskCount; ++i)
        f.masks[i] = file.u32(54 + 4 * i);
    if (headerSize == kInfoHeaderSize && f.compression == kBitFields) {
        // The three masks follow the short header, before any colour table.
        if (!file.has(54, 12))
            return false;
        for (int i = 0; i < 3; ++i)
            f.masks[i] = file.u32(54 + 4 * i);
        f.tableStart += 12;
    }
    return true;
}

bool readFields(const Bytes &file, Fields &f)
{
    if (!file.has(0, kFileHeaderSize + 4) || file.u16(0) != 0x4D42) // "BM"
        return false;
    const quint32 headerSize = file.u32(14);
    if (!knownHeaderSize(headerSize) || !file.has(kFileHeaderSize, headerSize))
        return false;
    f.dataOffset = file.u32(10);
    f.tableStart = kFileHeaderSize + headerSize;
    if (headerSize == kCoreHeaderSize) {
        readCoreHeader(file, f);
        return true;
    }
    return readInfoHeader(file, headerSize, f);
}

bool supportedEncoding(const Fields &f)
{
    switch (f.compression) {
    case kPlain: return f.bits == 1 || f.bits == 4 || f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32;
    case kRle8: return f.bits == 8;
    case kRle4: return f.bits == 4;
    case kBitFields: return f.bits == 16 || f.bits == 32;
    default: return false;
    }
}

// A mask is one run of set bits (or none): anything else has no meaning as
// a colour channel.
bool contiguous(quint32 mask)
{
    if (mask == 0)
        return true;
    const quint32 low = mask >> std::countr_zero(mask);
    return (low & (low + 1)) == 0;
}

void setMasks(const Fields &f, Layout &l)
{
    if (f.compression == kBitFields) {
        l.masks = f.masks;
        l.alpha = f.masks[3] != 0;
        return;
    }
    if (l.bits == 16)
        l.masks = {0x7C00, 0x03E0, 0x001F, 0};
    else
        l.masks = {0xFF0000, 0xFF00, 0xFF, 0};
    // A 32-bit file of the later headers may declare its fourth byte alpha.
    if (l.bits == 32 && f.masks[3] == 0xFF000000) {
        l.masks[3] = f.masks[3];
        l.alpha = true;
    }
}

bool checkSides(const Fields &f, int maxSide, Layout &l)
{
    const qint64 rows = std::abs(f.height);
    if (f.width < 1 || f.width > maxSide || rows < 1 || rows > maxSide || f.planes != 1)
        return false;
    l.width = int(f.width);
    l.rows = int(rows);
    l.topDown = f.height < 0;
    return true;
}

// The colour table and the pixel data must lie inside the file. Pixels
// announced at an offset inside the headers or the table start right after
// the table instead, as the toolkit's reader has always taken them.
bool placeData(const Bytes &file, const Fields &f, Layout &l)
{
    if (l.bits <= 8) {
        l.colours = f.coloursUsed ? f.coloursUsed : 1 << l.bits;
        if (l.colours > 256)
            return false;
    }
    l.entrySize = f.entrySize;
    l.tableStart = f.tableStart;
    const qint64 tableEnd = l.tableStart + l.colours * l.entrySize;
    if (!file.has(l.tableStart, tableEnd - l.tableStart))
        return false;
    l.dataStart = std::max(f.dataOffset, tableEnd);
    if (!file.has(l.dataStart, 0))
        return false;
    l.stride = (qint64(l.width) * l.bits + 31) / 32 * 4;
    // A cut-off file would leave rows unset: refused as a whole. Run-length
    // data may end early, but not before its first code.
    const bool compressed = l.compression == kRle8 || l.compression == kRle4;
    return file.has(l.dataStart, compressed ? 2 : l.stride * l.rows);
}

bool readLayout(const Bytes &file, int maxSide, Layout &l)
{
    Fields f;
    if (!readFields(file, f) || !supportedEncoding(f) || !checkSides(f, maxSide, l))
        return false;
    l.bits = int(f.bits);
    l.compression = f.compression;
    setMasks(f, l);
    if (!std::all_of(l.masks.begin(), l.masks.end(), contiguous))
        return false;
    return placeData(file, f, l);
}

// The picture row of a stored row: bottom row first unless top-down.
int pictureRow(const Layout &l, qint64 storedRow)
{
    return l.topDown ? int(storedRow) : l.rows - 1 - int(storedRow);
}

using Palette = std::array<QRgb, 256>;

// Every index a pixel can hold has a colour: entries the file's table
// lacks are black.
Palette readPalette(const Bytes &file, const Layout &l)
{
    Palette palette;
    palette.fill(qRgb(0, 0, 0));
    for (qint64 i = 0; i < l.colours; ++i) {
        const qint64 at = l.tableStart + i * l.entrySize;
        palette[size_t(i)] = qRgb(int(file.u8(at + 2)), int(file.u8(at + 1)), int(file.u8(at)));
    }
    return palette;
}

// Writes indexed pixels into the picture by stored row, looking each index
// up in the palette; writes outside the picture are dropped.
class IndexedRows
{
public:
    IndexedRows(const Layout &layout, const Palette &palette, QImage &image)
        : m_layout(layout)
        , m_palette(palette)
        , m_image(image)
    { }

    // A run of `count` pixels from (x, row), the i-th of index pick(i),
    // clipped to the picture. Returns the column after the run.
    template <typename Pick> qint64 run(qint64 x, qint64 row, int count, Pick pick)
    {
        if (row >= 0 && row < m_layout.rows) {
            auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(pictureRow(m_layout, row)));
            const qint64 end = std::min<qint64>(x + count, m_layout.width);
            for (qint64 px = x; px < end; ++px)
                line[px] = m_palette[size_t(pick(int(px - x)))];
        }
        return x + count;
    }

private:
    const Layout &m_layout;
    const Palette &m_palette;
    QImage &m_image;
};

int storedIndex(const Bytes &file, qint64 rowStart, int x, int bits)
{
    if (bits == 8)
        return int(file.u8(rowStart + x));
    if (bits == 4)
        return int(file.u8(rowStart + x / 2) >> (x % 2 ? 0 : 4)) & 0x0F;
    return int(file.u8(rowStart + x / 8) >> (7 - x % 8)) & 0x01;
}

void decodePlainIndices(const Bytes &file, const Layout &l, IndexedRows &rows)
{
    for (qint64 row = 0; row < l.rows; ++row) {
        const qint64 rowStart = l.dataStart + row * l.stride;
        rows.run(0, row, l.width, [&](int x) { return storedIndex(file, rowStart, x, l.bits); });
    }
}

// Run-length data, 8 or 4 bits an index. Runs, literals and jumps past the
// edges are clipped; the data ending early, or a jump past the last row,
// ends the picture. Pixels no run reaches keep index 0.
void decodeRle(const Bytes &file, const Layout &l, IndexedRows &rows)
{
    const bool nibbles = l.compression == kRle4;
    auto nibbleOrByte = [nibbles](quint32 byte, int i) {
        return nibbles ? int(byte >> (i % 2 ? 0 : 4)) & 0x0F : int(byte);
    };
    qint64 at = l.dataStart;
    qint64 x = 0;
    qint64 row = 0;
    while (row < l.rows && file.has(at, 2)) {
        const int count = int(file.u8(at));
        const quint32 value = file.u8(at + 1);
        at += 2;
        if (count > 0) {
            x = rows.run(x, row, count, [&](int i) { return nibbleOrByte(value, i); });
        } else if (value == 0) { // end of line
            x = 0;
            ++row;
        } else if (value == 1) { // end of picture
            break;
        } else if (value == 2) { // jump right and up
            if (!file.has(at, 2))
                break;
            x += file.u8(at);
            row += file.u8(at + 1);
            at += 2;
        } else { // `value` literal indices, padded to a 16-bit boundary
            const qint64 bytes = nibbles ? (value + 1) / 2 : value;
            if (!file.has(at, bytes))
                break;
            const qint64 from = at;
            x = rows.run(x, row, int(value),
                         [&](int i) { return nibbleOrByte(file.u8(from + (nibbles ? i / 2 : i)), i); });
            at += bytes + (bytes & 1);
        }
    }
}

QImage indexedPicture(const Bytes &file, const Layout &l)
{
    QImage image(l.width, l.rows, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const Palette palette = readPalette(file, l);
    IndexedRows rows(l, palette, image);
    if (l.compression == kPlain) {
        decodePlainIndices(file, l, rows);
    } else {
        image.fill(palette[0]);
        decodeRle(file, l, rows);
    }
    return image;
}

// One channel of a bit-field pixel as 8 bits: of a field wider than 8 bits
// its top 8 bits; a narrower one shifted up, as the toolkit's reader always
// showed such pictures (so 5-bit 31 is 248).
class Channel
{
public:
    explicit Channel(quint32 mask)
        : m_mask(mask)
        , m_shift(mask ? std::countr_zero(mask) : 0)
        , m_width(std::popcount(mask))
    {
        if (m_width > 8) {
            m_shift += m_width - 8;
            m_width = 8;
        }
    }

    int operator()(quint32 pixel) const
    {
        if (m_width == 0)
            return 0;
        const quint32 value = ((pixel & m_mask) >> m_shift) & ((1u << m_width) - 1);
        return int(value << (8 - m_width));
    }

private:
    quint32 m_mask;
    int m_shift;
    int m_width;
};

// One stored row of 16, 24 or 32 bits a pixel into `line`.
void directRow(const uchar *stored, const Layout &l, QRgb *line)
{
    if (l.bits == 24) { // the common case, kept short
        for (int x = 0; x < l.width; ++x, stored += 3)
            line[x] = qRgb(stored[2], stored[1], stored[0]);
        return;
    }
    const Channel red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]), alpha(l.masks[3]);
    const int pixelBytes = l.bits / 8;
    for (int x = 0; x < l.width; ++x, stored += pixelBytes) {
        quint32 v = stored[0] | quint32(stored[1]) << 8;
        if (pixelBytes == 4)
            v |= quint32(stored[2]) << 16 | quint32(stored[3]) << 24;
        line[x] = qRgba(red(v), green(v), blue(v), l.alpha ? alpha(v) : 255);
    }
}

QImage directPicture(const Bytes &file, const Layout &l)
{
    QImage image(l.width, l.rows, l.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (qint64 row = 0; row < l.rows; ++row) {
        // Every row lies inside the file (placeData), so this never fails.
        const uchar *stored = file.span(l.dataStart + row * l.stride, l.stride);
        if (!stored)
            return {};
        directRow(stored, l, reinterpret_cast<QRgb *>(image.scanLine(pictureRow(l, row))));
    }
    return image;
}

} // namespace

QImage decode(const QByteArray &bytes, int maxSide)
{
    const Bytes file(bytes);
    Layout layout;
    if (!readLayout(file, maxSide, layout))
        return {};
    return layout.bits <= 8 ? indexedPicture(file, layout) : directPicture(file, layout);
}

} // namespace BmpDecoder
