// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: wraps one JPEG file into the picture stream the program embeds.

#include "toolkit/PictureStreamFormat.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <picture.jpg> <picture.stream>\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    const std::vector<unsigned char> jpeg { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    const std::size_t size = jpeg.size();
    if (size < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8 || jpeg[size - 2] != 0xFF || jpeg[size - 1] != 0xD9
        || size > 0xFFFFFFFFu) {
        std::fprintf(stderr, "%s: not a complete JPEG file\n", argv[1]);
        return 1;
    }
    const std::string header = numislot::toolkit::pictureStreamHeader(static_cast<std::uint32_t>(size));
    std::vector<unsigned char> stream(header.begin(), header.end());
    stream.insert(stream.end(), jpeg.begin(), jpeg.end());

    const std::string temporary = std::string(argv[2]) + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(stream.data()), std::streamsize(stream.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "%s: cannot write\n", temporary.c_str());
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
