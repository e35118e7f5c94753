// Writes the factory colour presets of the default skin:
//   make_factory_presets <Skins folder>/UserDengColor_3.userd
#include <cstdio>
#include <fstream>

#include "factory_presets.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << quovex::factory_presets::MakeFactoryPresetFile();
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
