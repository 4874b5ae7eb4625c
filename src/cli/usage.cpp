#include "cli/usage.h"

namespace tsn::cli {

namespace {

struct CommandText {
    const char* name;
    const char* usage;    // one or more "usage:" lines
    const char* summary;  // what it does, for the overview
    const char* options;  // each option on its own lines
    const char* example;
};

constexpr CommandText kCommands[] = {
    {"info", "usage: tessarin-cli info [--] FILE...\n",
     "list the levels of level files, a player.lst's progress and a saved game (.tss)\n",
     "",
     "tessarin-cli info levels/LEVELS.DAT\n"},
    {"verify",
     "usage: tessarin-cli verify [--csv FILE] [--xlsx FILE] [--jobs N] [--max-frames N] "
     "[--rules RULES] [--] PATH...\n",
     "replay the demo of every .qv and .tsn file found and report which ones solve their level\n",
     "  --csv FILE       also write the results as comma-separated text\n"
     "  --xlsx FILE      also write the results as a spreadsheet workbook\n"
     "  --jobs N         play at most N demos at once (1 to 4096)\n"
     "  --max-frames N   stop a demo still running after N frames and report it as failed\n"
     "                   with the error \"Frame limit reached\"\n"
     "  --rules RULES    the game rules the demos were recorded with\n",
     "tessarin-cli verify --csv results.csv --jobs 2 solutions/\n"},
    {"trace",
     "usage: tessarin-cli trace FILE [--level N] [--demo | --actions DIGITS [--seed S]] "
     "[--frames MAX] [--rules RULES] [--save-at K OUT.tss] [--resume SAVED.tss]\n",
     "print the engine state after every frame of a run\n",
     "  --level N            level N of a level set (1 to 255; default 1)\n"
     "  --demo               play the demo stored with the level\n"
     "  --actions DIGITS     one action digit per frame (0 none, 1 up, 2 left, 3 down,\n"
     "                       4 right, 5-8 the same with Space, 9 Space alone)\n"
     "  --seed S             the random seed of a run on actions (0 to 65535; default 0)\n"
     "  --frames MAX         stop after frame MAX (default 200000)\n"
     "  --rules RULES        the game rules to play by\n"
     "  --save-at K OUT.tss  write the saved game after frame K and go on\n"
     "  --resume SAVED.tss   continue from a saved game of FILE (actions and --frames stay\n"
     "                       counted by the frame counter)\n",
     "tessarin-cli trace solutions/001.qv --demo --frames 500\n"},
#ifdef TESSARIN_CLI_RENDER
    {"render",
     "usage: tessarin-cli render FILE [--level N] [--zoom Z] [--border] [--frame K [--demo | "
     "--actions DIGITS [--seed S]]] [--rules RULES] -o OUT.png\n"
     "   or: tessarin-cli render FILE --all [--zoom Z] [--border] -o FOLDER\n",
     "draw a level as the game shows it (the game's sprite sheet, no window needed)\n",
     "  --level N        level N of a level set (1 to 255; default 1)\n"
     "  --zoom Z         scale the picture by Z (0.125 to 8; default 1)\n"
     "  --border         show the level's outer ring instead of the view frame\n"
     "  --frame K        the field after K frames of a run (its demo, or the actions)\n"
     "  --demo, --actions DIGITS, --seed S, --rules RULES   the run, as for trace\n"
     "  --all            every level of the file: FOLDER/level-NNN.png and FOLDER/index.html,\n"
     "                   a page with each level's number, title, size and Infotrons needed\n"
     "  -o, --output OUT the picture (PNG) or, with --all, the folder (made when missing)\n",
     "tessarin-cli render levels/LEVELS.DAT --all -o pictures/\n"},
#endif
    {"convert",
     "usage: tessarin-cli convert IN OUT [--level N] [--clean]\n",
     "write a level in another format: .qv, .tsn or a level of a level set\n",
     "  --level N   the level of IN when IN is a level set; the level of OUT to replace when\n"
     "              OUT is an existing level set (1 to 255; default 1)\n"
     "  --clean     leave the demo and its signature behind (they travel otherwise)\n"
     "  A level set holds only 60 x 24 levels without demos; a .qv file only 60 x 24\n"
     "  levels. What the target cannot hold is refused and nothing is written.\n",
     "tessarin-cli convert solutions/001.qv level001.tsn\n"},
};

const CommandText* Find(const std::string& command) {
    for (const auto& c : kCommands)
        if (command == c.name) return &c;
    return nullptr;
}

constexpr const char* kShared =
    "\"--\" ends the options of a command: the arguments after it are file names.\n"
    "Level files longer than 2147483647 bytes (2 GiB - 1) are refused.\n"
    "Runs play by the game's default rules, as the game's options have them. Demos\n"
    "recorded with other options need the same rules: RULES is a comma-separated list\n"
    "of red-disk-cheat=on|off and eat-right-bug=on|off (default: both on).\n"
    "Exit status: 0 success, 1 a file or a demo failed, 2 a usage error.\n";

}  // namespace

bool KnownCommand(const std::string& command) { return Find(command) != nullptr; }

bool AsksForHelp(const Args& args) {
    for (const auto& a : args) {
        if (a == "--") return false;
        if (a == "--help" || a == "-h") return true;
    }
    return false;
}

int UsageError(const std::string& command) {
    if (const CommandText* c = Find(command)) std::fputs(c->usage, stderr);
    return 2;
}

void PrintCommandHelp(const std::string& command, std::FILE* out) {
    const CommandText* c = Find(command);
    if (c == nullptr) return;
    std::fputs(c->usage, out);
    std::fprintf(out, "\n%s", c->summary);
    if (*c->options != '\0') std::fprintf(out, "\noptions:\n%s", c->options);
    std::fprintf(out, "\nexample:\n  %s\n%s", c->example, kShared);
}

void PrintOverview(std::FILE* out) {
    std::fputs("usage: tessarin-cli COMMAND [ARGS]\n"
               "       tessarin-cli COMMAND --help   (every option of the command)\n"
               "\ncommands:\n",
               out);
    for (const auto& c : kCommands) {
        std::fprintf(out, "\n%s  %s", c.usage + 7, c.summary);
        if (*c.options != '\0') std::fputs(c.options, out);
        std::fprintf(out, "  example: %s", c.example);
    }
    std::fprintf(out, "\n%s", kShared);
}

}  // namespace tsn::cli
