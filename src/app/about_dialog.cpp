#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tsn {

const std::vector<Component>& Components() {
    static const std::vector<Component> list = {
        {"Qt 6 (Widgets, Gui, Network, DBus)", "the window, dialogs and drawing", "LGPL-3.0"},
        {"SDL2", "the audio device", "zlib licence"},
        {"SDL2_mixer", "the sound effects and the music stream", "zlib licence"},
        {"libxlsxwriter", "the spreadsheet export of verification results", "BSD-2-Clause"},
        {"GoogleTest", "the tests", "BSD-3-Clause"},
        {"Google Benchmark", "the engine benchmarks", "Apache-2.0"},
        {"LAME", "encoding our generated music to MP3 (build tool, not shipped)", "LGPL-2.0"},
        {"CMake and Ninja", "building", "BSD-3-Clause, Apache-2.0"},
        {"Clang / libFuzzer", "fuzzing the file readers", "Apache-2.0 with LLVM exception"},
    };
    return list;
}

QString AboutText(const QString& version) {
    QString rows;
    for (const Component& c : Components())
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td></tr>")
                    .arg(QString::fromUtf8(c.name), QString::fromUtf8(c.use), QString::fromUtf8(c.licence));
    return QStringLiteral(
               "<h3>Tessarin v.%1</h3>"
               "<p>A tile-based action-puzzle game with a level editor, a demo recorder and "
               "player, and a demo verifier.</p>"
               "<p><b>Credits:</b> design and code by the Tessarin developers.</p>"
               "<p>All art, sound and levels are made by the project's own generators "
               "(the art, sound and level tools in <tt>tools/</tt>).</p>"
               "<p><b>Libraries and tools</b></p>"
               "<table cellspacing=\"4\">%2</table>")
        .arg(version, rows);
}

AboutDialog::AboutDialog(const QString& version, QWidget* parent) : QDialog(parent) {
    setObjectName("AboutForm");
    setWindowTitle("About Tessarin");
    auto* text = new QLabel(AboutText(version));
    text->setObjectName("lblAbout");
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* col = new QVBoxLayout(this);
    col->addWidget(text);
    col->addWidget(buttons);
}

}  // namespace tsn
