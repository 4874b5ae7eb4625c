#include "app/file_dialog.h"

#include <QFileDialog>

namespace tsn {

QString DialogFilterText(const DialogFilter& f) {
    QString label = QString::fromStdString(f.label);
    const qsizetype open = label.lastIndexOf('(');
    if (open >= 0) label = label.left(open).trimmed();
    QStringList patterns;
    for (const std::string& p : f.patterns) patterns << QString::fromStdString(p);
    return label + " (" + patterns.join(' ') + ")";
}

FileDialogAnswer RunFileDialog(QWidget* parent, const FileDialogRequest& r) {
    QFileDialog dialog(parent, r.title, r.folder);
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    QStringList texts;
    for (const DialogFilter& f : r.filters) texts << DialogFilterText(f);
    dialog.setNameFilters(texts);
    if (r.filterIndex >= 1 && r.filterIndex <= texts.size())
        dialog.selectNameFilter(texts[r.filterIndex - 1]);
    // A name typed without an extension gets the chosen filter's, before the dialog asks
    // about replacing a file.
    auto suffixOf = [&r](int index) {
        if (index < 1 || index > static_cast<int>(r.filters.size())) return QString();
        const auto& patterns = r.filters[static_cast<size_t>(index - 1)].patterns;
        if (patterns.empty()) return QString();
        const QString p = QString::fromStdString(patterns.front());
        const qsizetype dot = p.lastIndexOf('.');
        return dot < 0 || p.mid(dot + 1).contains('*') || p.mid(dot + 1).contains('?')
                   ? QString()
                   : p.mid(dot + 1);
    };
    if (r.save) {
        dialog.setDefaultSuffix(suffixOf(r.filterIndex));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&](const QString& f) { dialog.setDefaultSuffix(suffixOf(static_cast<int>(texts.indexOf(f)) + 1)); });
    }
    if (!r.proposed.isEmpty()) dialog.selectFile(r.proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    FileDialogAnswer a;
    a.path = dialog.selectedFiles().first();
    a.filterIndex = static_cast<int>(texts.indexOf(dialog.selectedNameFilter())) + 1;
    if (a.filterIndex < 1) a.filterIndex = 1;
    return a;
}

}  // namespace tsn
