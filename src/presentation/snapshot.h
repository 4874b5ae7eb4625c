#pragma once
// Snapshots of the view: "SC" + six digits + ".bmp" in the capture folder, the first number
// that is not taken.
#include <QImage>
#include <QString>

namespace tsn {

// The first free snapshot path in `folder` (created when missing); empty when all 100000
// names are taken or the folder cannot be made.
QString NextSnapshotPath(const QString& folder);

// Saves the picture as the next snapshot; returns the path written, or empty on failure.
QString SaveSnapshotImage(const QImage& picture, const QString& folder);

}  // namespace tsn
