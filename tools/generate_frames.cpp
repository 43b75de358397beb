// Redraws the 36 frame assets from the mechanism model:
//   generate_frames DIR   writes DIR/image01.bmp .. DIR/image36.bmp
#include "asset_name.h"
#include "frame_bitmap.h"
#include "mechanism.h"
#include "mechanism_drawing.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: generate_frames DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "generate_frames: cannot create " << dir.string() << ": " << ec.message() << "\n";
        return 1;
    }
    namespace m = drovane::mechanism;
    for (int set = 0; set < m::kSettings; ++set)
        for (int position = 0; position < m::kPositions; ++position) {
            const int holder = set * m::kPositions + position + 1;
            const std::filesystem::path file = dir / drovane::frame_set::assetName(holder);
            const auto bytes = drovane::encodeFrame(drovane::drawMechanismFrame(set, position));
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            out.close();
            if (!out) {
                std::cerr << "generate_frames: cannot write " << file.string() << "\n";
                return 1;
            }
        }
    const m::Calibration& c = m::calibration();
    std::cout << "wrote 36 frames to " << dir.string() << " (lobe height " << c.lobeHeight << ", member at x "
              << c.settingX[0] << " and " << c.settingX[1] << ")\n";
    return 0;
}
