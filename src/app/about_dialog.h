#pragma once
// Help -> "About Tessarin": the version, the credits and every library and tool the program
// is built with, each with its licence.
#include <QDialog>
#include <QString>
#include <vector>

namespace tsn {

struct Component {
    const char* name;
    const char* use;
    const char* licence;
};
// The libraries and tools, in the order the window lists them.
const std::vector<Component>& Components();

// The window's text (rich text) for `version` ("major.minor.revision").
QString AboutText(const QString& version);

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const QString& version, QWidget* parent = nullptr);
};

}  // namespace tsn
