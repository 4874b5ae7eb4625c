#include "cli/contact_page.h"

#include <cstdio>

#include "cli/printable.h"

namespace tsn::cli {

std::string ContactPictureName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "level-%03d.png", number);
    return name;
}

std::string HtmlText(const std::string& text) {
    std::string out;
    for (const char c : PrintableText(text)) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string ContactPageHtml(const ContactPage& page) {
    const std::string name = HtmlText(page.fileName);
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + name +
        "</title>\n<style>\n"
        "body { background: #15161a; color: #e8e8ec; font-family: sans-serif; margin: 2em; }\n"
        "ol { list-style: none; padding: 0; display: flex; flex-wrap: wrap; gap: 2em; }\n"
        "figure { margin: 0; }\n"
        "img { max-width: 100%; height: auto; image-rendering: pixelated; }\n"
        "figcaption { margin-top: 0.4em; white-space: pre; font-family: monospace; }\n"
        "</style>\n</head>\n<body>\n<h1>" + name + "</h1>\n<ol>\n";
    for (const ContactLevel& l : page.levels) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", l.number);
        const std::string title = HtmlText(l.title);
        html += "<li id=\"level-" + std::string(number) + "\"><figure>\n<a href=\"" + l.picture +
                "\"><img src=\"" + l.picture + "\" width=\"" + std::to_string(l.pictureWidth) +
                "\" height=\"" + std::to_string(l.pictureHeight) + "\" alt=\"Level " + number + ": " +
                title + "\"></a>\n<figcaption>" + number + "  " + title + "\n" +
                std::to_string(l.width) + " x " + std::to_string(l.height) + ", Infotrons needed: " +
                std::to_string(l.infotronsNeeded) + "</figcaption>\n</figure></li>\n";
    }
    html += "</ol>\n</body>\n</html>\n";
    return html;
}

}  // namespace tsn::cli
