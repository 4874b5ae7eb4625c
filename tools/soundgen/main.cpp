// Writes the game's sounds:
//   tessarin-soundgen SOUND_DIR FINGERPRINT_FILE
// SOUND_DIR receives the seven effects (WAV) and quorvane.mp3, encoded from the rendered loop
// with the `lame` encoder. FINGERPRINT_FILE records the length and fingerprint of the rendered
// samples, so a test can tell whether the committed MP3 still belongs to the generator's music
// without needing the encoder.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "sounds.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tsn::snd;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOUND_DIR FINGERPRINT_FILE\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    bool ok = true;
    for (const Effect& e : Effects())
        ok = WriteFile(dir / e.fileName, EncodeWav(e.render(), 44100)) && ok;

    const std::vector<int16_t> music = RenderMusic();
    char line[128];
    std::snprintf(line, sizeof line, "samples %zu fingerprint %016" PRIx64 "\n", music.size(),
                  PcmFingerprint(music));
    const std::string text = line;
    ok = WriteFile(argv[2], std::vector<uint8_t>(text.begin(), text.end())) && ok;

    // Encode: constant 96 kbit/s mono; the encoder's info frame records its delay and padding,
    // which lets the decoder play the loop gaplessly.
    const std::filesystem::path wav =
        std::filesystem::temp_directory_path() / "quorvane-render.wav";
    ok = WriteFile(wav, EncodeWav(music, 44100)) && ok;
    const std::string cmd = "lame --quiet --noreplaygain -q 2 -m m -b 96 '" + wav.string() + "' '" +
                            (dir / kMusicFile).string() + "'";
    if (std::system(cmd.c_str()) != 0) {
        std::fprintf(stderr, "lame failed or is missing: %s was not updated\n", kMusicFile);
        ok = false;
    }
    std::filesystem::remove(wav);
    return ok ? 0 : 1;
}
