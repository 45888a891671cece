// zarn-gen-artwork OUTDIR: writes the five card artwork files into OUTDIR.

#include "CardArt.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace zarn::art;
    if (argc != 2) {
        std::cerr << "usage: zarn-gen-artwork OUTDIR\n";
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    struct Out {
        const char* name;
        std::string text;
    } files[] = {{"clubs2.svg", SuitStripSvg(Suit::Clubs)},
                 {"diamond2.svg", SuitStripSvg(Suit::Diamonds)},
                 {"hearts2.svg", SuitStripSvg(Suit::Hearts)},
                 {"spades2.svg", SuitStripSvg(Suit::Spades)},
                 {"backs.svg", MarkerStripSvg()}};
    for (const Out& f : files) {
        std::ofstream out(dir + f.name, std::ios::binary);
        out << f.text;
        if (!out) {
            std::cerr << "zarn-gen-artwork: cannot write " << dir + f.name << "\n";
            return 1;
        }
    }
    return 0;
}
