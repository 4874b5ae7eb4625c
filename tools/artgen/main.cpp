// Writes the game's pictures into a data folder:
//   tessarin-artgen DATA_DIR [CONTACT_SHEET.png]
// DATA_DIR receives tsn32.bmp and Images/*.ico; the optional PNG shows every cell enlarged with
// its number, for reviewing the art.
//   tessarin-artgen --app-icons DIR
// writes the program's icon at every size of the desktop's icon theme (DIR/NxN/apps/).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "artgen.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const tsn::art::Bytes& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tsn::art;
    if (argc == 4 && std::string(argv[1]) == "--scene") {
        // Review aid: a small made-up level drawn from the sheet at natural size and at 3x.
        static const char* rows[] = {
            "6666666666666666666666", "6222202244412222222V26", "621102222JK2222H222W26",
            "6222200300222222A22226", "6222:0555555000<000226", "62444022222200000I0226",
            "62222022C2222292228226", "6200000000222222222E26", "62222022222222211102G6",
            "6;2222D2222B222F24L276", "6666666666666666666666",
        };
        // Letters stand for codes above 9: : = 10, ; = 11 and so on from '0'.
        // The outer ring shows the view frame: corners 55, sides 110, top and bottom 111.
        const Image sheet = BuildSpriteSheet();
        const int w = 22, h = 11;
        Image scene(w * 32, h * 32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int code = rows[y][x] - '0';
                const bool edgeX = x == 0 || x == w - 1, edgeY = y == 0 || y == h - 1;
                if (edgeX && edgeY)
                    code = 55;
                else if (edgeX)
                    code = 110;
                else if (edgeY)
                    code = 111;
                Image cell(32, 32);
                cell.blitPart(sheet, (code % 16) * 32, (code / 16) * 32, 32, 32, 0, 0);
                scene.blit(cell, x * 32, y * 32);
            }
        return WriteFile(argv[2], EncodePng(scene)) &&
                       WriteFile(argv[3], EncodePng(scene.scaled(3)))
                   ? 0
                   : 1;
    }
    if (argc == 3 && std::string(argv[1]) == "--app-icons") {
        // The program's icon for the desktop's icon theme: DIR/NxN/apps/tessarin.png.
        bool ok = true;
        for (int size : AppIconSizes()) {
            std::vector<uint8_t> alpha;
            const Image icon = AppIcon(size, alpha);
            const std::string folder = std::to_string(size) + "x" + std::to_string(size);
            ok = WriteFile(std::filesystem::path(argv[2]) / folder / "apps" / "tessarin.png",
                           EncodePng(icon, &alpha)) && ok;
        }
        return ok ? 0 : 1;
    }
    if (argc == 3 && std::string(argv[1]) == "--icons") {
        // Review aid: the three icons at four times the size on a light and a dark ground.
        Image page(3 * 136 + 4, 2 * 136 + 4, 0x2A2C33);
        int i = 0;
        for (LevelIcon icon : {LevelIcon::Played, LevelIcon::Skipped, LevelIcon::NotPlayed}) {
            std::vector<uint8_t> alpha;
            const Image pic = IconPicture(icon, alpha);
            for (int row = 0; row < 2; ++row)
                for (int y = 0; y < 128; ++y)
                    for (int x = 0; x < 128; ++x) {
                        const size_t k = size_t(y / 4) * 32 + size_t(x / 4);
                        page.set(4 + i * 136 + x, 4 + row * 136 + y,
                                 alpha[k] ? pic.pixels[k] : (row ? 0xF0F0F0 : 0x2A2C33));
                    }
            ++i;
        }
        return WriteFile(argv[2], EncodePng(page)) ? 0 : 1;
    }
    if (argc == 5 && std::string(argv[1]) == "--zoom") {
        // Review aid: the sprites listed in argv[2] (comma separated) at four times the size.
        const Image sheet = BuildSpriteSheet();
        std::vector<int> list;
        for (const char* p = argv[2]; *p;) {
            list.push_back(std::atoi(p));
            while (*p && *p != ',') ++p;
            if (*p == ',') ++p;
        }
        const int perRow = std::atoi(argv[3]);
        const int rows = (int(list.size()) + perRow - 1) / perRow;
        Image page(perRow * 132 + 4, rows * 132 + 4, 0x2A2C33);
        for (size_t i = 0; i < list.size(); ++i) {
            Image cell(32, 32);
            cell.blitPart(sheet, (list[i] % 16) * 32, (list[i] / 16) * 32, 32, 32, 0, 0);
            page.blit(cell.scaled(4), 4 + int(i) % perRow * 132, 4 + int(i) / perRow * 132);
        }
        return WriteFile(argv[4], EncodePng(page)) ? 0 : 1;
    }
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR [CONTACT_SHEET.png]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path data = argv[1];
    const Image sheet = BuildSpriteSheet();
    bool ok = WriteFile(data / "tsn32.bmp", EncodeBmp24(sheet));
    for (LevelIcon icon : {LevelIcon::Played, LevelIcon::Skipped, LevelIcon::NotPlayed})
        ok = WriteFile(data / "Images" / IconFileName(icon), BuildIcon(icon)) && ok;
    if (argc == 3) ok = WriteFile(argv[2], EncodePng(BuildContactSheet(sheet))) && ok;
    return ok ? 0 : 1;
}
