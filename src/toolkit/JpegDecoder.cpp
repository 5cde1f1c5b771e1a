// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/JpegDecoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t first
#include <jerror.h>
#include <jpeglib.h>

using namespace Qt::StringLiterals;

namespace numislot::toolkit {

namespace {

// Larger than any picture of ours by far; keeps a damaged header from asking for gigabytes.
constexpr JDIMENSION MaximumSide = 8192;

struct ErrorManager
{
    jpeg_error_mgr library;
    std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// A warning means damaged data (premature end, corrupt entropy data); showing a half-grey coin helps
// no one, so it fails like an error does. Trace messages (level >= 0) stay silent.
void emitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        leave(info);
}

void outputMessage(j_common_ptr) { }

// Everything that lives across setjmp is owned by the caller, so a longjmp skips no destructor.
bool decodeInto(jpeg_decompress_struct& info, ErrorManager& errors, QByteArrayView jpeg, QImage& image)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.data()), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_RGBX;
    if (info.image_width > MaximumSide || info.image_height > MaximumSide) {
        errors.library.msg_code = JERR_IMAGE_TOO_BIG;
        return false;
    }
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGBX8888);
    if (image.isNull()) {
        errors.library.msg_code = JERR_OUT_OF_MEMORY;
        return false;
    }
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    constexpr int RowsPerCall = 4; // enough for the 2-row groups of 4:2:0 data
    JSAMPROW rows[RowsPerCall];
    while (info.output_scanline < info.output_height) {
        const int count = int(std::min<JDIMENSION>(RowsPerCall, info.output_height - info.output_scanline));
        for (int row = 0; row < count; ++row)
            rows[row] = bits + (qsizetype(info.output_scanline) + row) * bytesPerLine;
        jpeg_read_scanlines(&info, rows, JDIMENSION(count));
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

JpegDecodeResult decodeJpeg(QByteArrayView jpeg)
{
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.library);
    errors.library.error_exit = leave;
    errors.library.emit_message = emitMessage;
    errors.library.output_message = outputMessage;

    JpegDecodeResult result;
    const bool decoded = decodeInto(info, errors, jpeg, result.image);
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        result.image = QImage();
        result.error = u"Erreur JPEG #%1"_s.arg(errors.library.msg_code);
    }
    return result;
}

} // namespace numislot::toolkit
