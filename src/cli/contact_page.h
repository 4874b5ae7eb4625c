#pragma once
// The contact page of a level file's pictures: one figure per level with its number, title,
// size and the Infotrons it needs, ready to publish as it is.
#include <string>
#include <vector>

namespace tsn::cli {

struct ContactLevel {
    int number = 0;
    std::string title;  // as stored: 8-bit text of the levels' code page
    int width = 0;
    int height = 0;
    int infotronsNeeded = 0;
    std::string picture;  // file name beside the page
    int pictureWidth = 0;
    int pictureHeight = 0;
};

struct ContactPage {
    std::string fileName;  // the level file's name, any bytes
    std::vector<ContactLevel> levels;
};

// "level-007.png": the picture of level 7.
std::string ContactPictureName(int number);

// Text for an HTML page: markup characters as entities, every byte outside printable ASCII
// as a visible \xNN, so neither a title nor a file name can change the page's structure.
std::string HtmlText(const std::string& text);

// The whole page, UTF-8.
std::string ContactPageHtml(const ContactPage& page);

}  // namespace tsn::cli
