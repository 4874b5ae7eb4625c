#include "app/main_caption.h"

#include <QFileInfo>

#include "app/speed_table.h"

namespace tsn {

QString MainCaption(const CaptionParts& parts) {
    QString c = "Tessarin v." + parts.version + " - " + QFileInfo(parts.filePath).fileName();
    if (parts.levelChanged) c += "*";
    if (parts.run != CaptionParts::Run::None) {
        const int32_t delay = parts.run == CaptionParts::Run::Demo ? parts.demoDelay : parts.playDelay;
        c += " - (FPS " + GetSpeedDescriptionFPS(delay) + ")";
    }
    return c;
}

QString BatchCaption(const QString& version, const QString& line) {
    return "Tessarin v." + version + " - (" + line + ")";
}

}  // namespace tsn
