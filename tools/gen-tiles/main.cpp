// zarn-gen-tiles OUTDIR: writes the seventeen background tiles into OUTDIR.

#include "Designs.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace zarn::tiles;
    if (argc != 2) {
        std::cerr << "usage: zarn-gen-tiles OUTDIR\n";
        return 2;
    }
    for (int i = 0; i < int(TileNames.size()); ++i) {
        const std::string path = std::string(argv[1]) + "/" + TileNames[i] + ".bmp";
        const std::vector<unsigned char> bytes = BmpFile(MakeTile(i + 1));
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) {
            std::cerr << "zarn-gen-tiles: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
