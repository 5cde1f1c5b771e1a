// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The picture stream's layout, in plain C++ for the build's own tool that writes the streams too:
// one byte n, the n-byte class name, a 4-byte little-endian length L, then L bytes of JPEG.

#include <cstdint>
#include <string>
#include <string_view>

namespace numislot::toolkit {

inline constexpr std::string_view PictureStreamClassName = "TJPEGImage";
inline constexpr int PictureStreamLengthBytes = 4;

// Everything a stream holds before its JPEG data of jpegSize bytes.
inline std::string pictureStreamHeader(std::uint32_t jpegSize)
{
    std::string header(1, char(PictureStreamClassName.size()));
    header += PictureStreamClassName;
    for (int byte = 0; byte < PictureStreamLengthBytes; ++byte)
        header += char((jpegSize >> (8 * byte)) & 0xFF);
    return header;
}

} // namespace numislot::toolkit
