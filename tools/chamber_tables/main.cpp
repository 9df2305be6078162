// Writes the chamber design data files of the shipped models into a directory.
#include "ChamberArch.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 1;
    }
    try {
        const std::filesystem::path outputDir = argv[1];
        for (const auto &model : ChamberArch::shippedModels()) {
            const auto path = outputDir / (model.geometry().name + ".dat");
            std::printf("chamber-tables: writing %s (%.2f ft3 full)\n", path.string().c_str(),
                        model.fullVolume());
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            const std::string text = model.dataFileText();
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            out.close();
            if (!out) {
                std::fprintf(stderr, "chamber-tables: cannot write %s\n", path.string().c_str());
                return 1;
            }
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "chamber-tables: %s\n", e.what());
        return 1;
    }
    return 0;
}
