// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding all 139 embedded pictures: the program's path (stream lookup, parse, decode into a QImage)
// against plain libjpeg-turbo decoding the same JPEG bytes into a buffer of its own.

#include "toolkit/Picture.h"
#include "toolkit/PictureStream.h"

#include <QFile>
#include <QString>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <jpeglib.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

using numislot::toolkit::Picture;

std::vector<std::pair<QString, QString>> cells()
{
    std::vector<std::pair<QString, QString>> list;
    QFile file(QString::fromUtf8(NUMISLOT_INVENTORY));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return list;
    file.readLine();
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine().trimmed()).split(u',');
        if (fields.size() > 2)
            list.emplace_back(fields[0], fields[1]);
    }
    return list;
}

const std::vector<std::pair<QString, QString>>& allCells()
{
    static const auto list = cells();
    return list;
}

void ProgramPath(benchmark::State& state)
{
    const auto& list = allCells();
    if (list.size() != 139) {
        state.SkipWithError("inventory not found");
        return;
    }
    for (auto _ : state) {
        for (const auto& [window, cell] : list) {
            const QImage image = Picture::embedded(window, cell).image(); // a fresh handle decodes again
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.SetItemsProcessed(state.iterations() * qint64(list.size()));
}

void PlainLibjpeg(benchmark::State& state)
{
    std::vector<QByteArrayView> jpegs;
    for (const auto& [window, cell] : allCells())
        jpegs.push_back(numislot::toolkit::parsePictureStream(Picture::embeddedStream(window, cell)).jpeg);
    if (jpegs.size() != 139) {
        state.SkipWithError("inventory not found");
        return;
    }
    for (auto _ : state) {
        for (const QByteArrayView jpeg : jpegs) {
            jpeg_decompress_struct info;
            jpeg_error_mgr errors;
            info.err = jpeg_std_error(&errors);
            jpeg_create_decompress(&info);
            jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size());
            jpeg_read_header(&info, TRUE);
            info.out_color_space = JCS_EXT_RGBX;
            jpeg_start_decompress(&info);
            const std::size_t stride = std::size_t(info.output_width) * 4;
            std::unique_ptr<unsigned char[]> pixels(new unsigned char[stride * info.output_height]);
            while (info.output_scanline < info.output_height) {
                JSAMPROW row = pixels.get() + stride * info.output_scanline;
                jpeg_read_scanlines(&info, &row, 1);
            }
            jpeg_finish_decompress(&info);
            jpeg_destroy_decompress(&info);
            benchmark::DoNotOptimize(pixels.get());
        }
    }
    state.SetItemsProcessed(state.iterations() * qint64(jpegs.size()));
}

} // namespace

BENCHMARK(PlainLibjpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(ProgramPath)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
