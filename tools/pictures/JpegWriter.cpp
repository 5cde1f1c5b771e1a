// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <lcms2.h>

using namespace Qt::StringLiterals;

namespace numislot::pictures {

namespace {

constexpr int Quality = 90;

void putBig16(QByteArray& out, int value)
{
    out.append(char(value >> 8 & 0xFF)).append(char(value & 0xFF));
}
void putBig32(QByteArray& out, quint32 value)
{
    putBig16(out, int(value >> 16));
    putBig16(out, int(value & 0xFFFF));
}

// Little-endian TIFF writer for a small EXIF block: IFD0 and one EXIF IFD.
class TiffWriter
{
public:
    struct Entry
    {
        quint16 tag;
        quint16 type; // 2 ASCII, 3 SHORT, 4 LONG, 5 RATIONAL, 7 UNDEFINED
        quint32 count;
        QByteArray value; // raw little-endian bytes
    };

    static QByteArray exif(const QSize& size, int density, const QString& title)
    {
        const QByteArray description = title.toLatin1() + '\0';
        const QByteArray software = QByteArrayLiteral("numislot_pictures\0");
        const QByteArray dpi = rational(quint32(density), 1);
        std::vector<Entry> ifd0 {
            { 0x010E, 2, quint32(description.size()), description }, { 0x0112, 3, 1, short16(1) },
            { 0x011A, 5, 1, dpi }, { 0x011B, 5, 1, dpi }, { 0x0128, 3, 1, short16(2) },
            { 0x0131, 2, quint32(software.size()), software }, { 0x8769, 4, 1, long32(0) }, // patched below
        };
        const std::vector<Entry> exifIfd {
            { 0x9000, 7, 4, QByteArrayLiteral("0230") },
            { 0xA001, 3, 1, short16(1) },
            { 0xA002, 4, 1, long32(quint32(size.width())) },
            { 0xA003, 4, 1, long32(quint32(size.height())) },
        };
        const quint32 ifd0Offset = 8;
        const quint32 exifOffset = ifd0Offset + blockSize(ifd0);
        ifd0.back().value = long32(exifOffset);

        QByteArray tiff = QByteArrayLiteral("II*\0");
        tiff.append(long32(ifd0Offset));
        tiff.append(block(ifd0, ifd0Offset));
        tiff.append(block(exifIfd, exifOffset));
        return QByteArrayLiteral("Exif\0\0") + tiff;
    }

private:
    static QByteArray short16(quint16 value)
    {
        QByteArray out;
        out.append(char(value & 0xFF)).append(char(value >> 8));
        return out;
    }
    static QByteArray long32(quint32 value) { return short16(quint16(value & 0xFFFF)) + short16(quint16(value >> 16)); }
    static QByteArray rational(quint32 numerator, quint32 denominator)
    {
        return long32(numerator) + long32(denominator);
    }

    static quint32 extraSize(const std::vector<Entry>& entries)
    {
        quint32 size = 0;
        for (const Entry& entry : entries) {
            if (entry.value.size() > 4)
                size += quint32(entry.value.size() + (entry.value.size() & 1));
        }
        return size;
    }
    static quint32 blockSize(const std::vector<Entry>& entries)
    {
        return 2 + 12 * quint32(entries.size()) + 4 + extraSize(entries);
    }
    // The directory, a zero next-IFD link, then the values that do not fit in four bytes.
    static QByteArray block(const std::vector<Entry>& entries, quint32 offset)
    {
        QByteArray directory = short16(quint16(entries.size()));
        QByteArray data;
        const quint32 dataOffset = offset + 2 + 12 * quint32(entries.size()) + 4;
        for (const Entry& entry : entries) {
            directory += short16(entry.tag) + short16(entry.type) + long32(entry.count);
            if (entry.value.size() <= 4) {
                directory += entry.value.leftJustified(4, '\0');
            } else {
                directory += long32(dataOffset + quint32(data.size()));
                data += entry.value;
                if (data.size() & 1)
                    data += '\0';
            }
        }
        directory += long32(0);
        return directory + data;
    }
};

// A Photoshop resource block holding a few IPTC fields (APP13).
QByteArray iptcSegment(const QString& title)
{
    QByteArray iptc;
    const auto field = [&](int dataset, const QByteArray& value) {
        iptc.append('\x1C').append('\x02').append(char(dataset));
        putBig16(iptc, int(value.size()));
        iptc.append(value);
    };
    field(0, QByteArray("\x00\x04", 2)); // record version 4
    field(5, title.toLatin1()); // object name
    field(80, QByteArrayLiteral("QVT")); // by-line
    field(116, QByteArrayLiteral("QVT")); // copyright notice
    QByteArray segment = QByteArrayLiteral("Photoshop 3.0\0");
    segment.append("8BIM");
    putBig16(segment, 0x0404);
    segment.append(QByteArray(2, '\0')); // empty name, padded to even length
    putBig32(segment, quint32(iptc.size()));
    segment.append(iptc);
    if (segment.size() & 1)
        segment.append('\0');
    return segment;
}

QByteArray adobeSegment(int transform)
{
    QByteArray segment = QByteArrayLiteral("Adobe");
    putBig16(segment, 100); // DCTEncode version
    putBig16(segment, 0); // flags0
    putBig16(segment, 0); // flags1
    segment.append(char(transform));
    return segment;
}

// lcms2's built-in sRGB, with its creation date fixed so the files come out the same every run.
QByteArray srgbProfile()
{
    cmsHPROFILE profile = cmsCreate_sRGBProfile();
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    if (bytes.size() >= 100) {
        QByteArray date;
        for (const int field : { 2007, 6, 1, 0, 0, 0 })
            putBig16(date, field);
        bytes.replace(24, 12, date);
        bytes.replace(84, 16, QByteArray(16, '\0')); // profile ID: not computed
    }
    return bytes;
}

void writeMarker(jpeg_compress_struct& info, int marker, const QByteArray& data)
{
    jpeg_write_marker(&info, marker, reinterpret_cast<const JOCTET*>(data.constData()), unsigned(data.size()));
}

} // namespace

QByteArray encodeJpeg(const QImage& source, const JpegProfile& profile, const QString& title)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors); // a generator may stop on the library's errors
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long bufferSize = 0;
    jpeg_mem_dest(&info, &buffer, &bufferSize);

    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, Quality, TRUE);
    info.write_JFIF_header = TRUE;
    info.JFIF_major_version = 1;
    info.JFIF_minor_version = 2;
    info.density_unit = 1; // dots per inch
    info.X_density = UINT16(profile.density);
    info.Y_density = UINT16(profile.density);
    // The Adobe segment is written below, with the flag the profile asks for; the library's would say 1.
    info.write_Adobe_marker = FALSE;
    const int luma = profile.subsampled ? 2 : 1;
    info.comp_info[0].h_samp_factor = luma;
    info.comp_info[0].v_samp_factor = luma;
    for (int component = 1; component < 3; ++component) {
        info.comp_info[component].h_samp_factor = 1;
        info.comp_info[component].v_samp_factor = 1;
    }
    if (profile.progressive)
        jpeg_simple_progression(&info);

    jpeg_start_compress(&info, TRUE);
    if (profile.exif)
        writeMarker(info, JPEG_APP0 + 1, TiffWriter::exif(image.size(), profile.density, title));
    if (profile.icc) {
        const QByteArray icc = srgbProfile();
        jpeg_write_icc_profile(&info, reinterpret_cast<const JOCTET*>(icc.constData()), unsigned(icc.size()));
    }
    writeMarker(info, JPEG_APP0 + 13, iptcSegment(title));
    writeMarker(info, JPEG_APP0 + 14, adobeSegment(profile.adobeTransform));

    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(bufferSize));
    std::free(buffer);
    return bytes;
}

} // namespace numislot::pictures
