#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures and icons, shipped under images/ with the resources.
namespace Pictures {
// The full path of images/<file>; empty when no resource folder holds it.
QString PathOf(const QString& file);
// The picture, or a null pixmap when it is missing.
QPixmap Load(const QString& file);
// The icon images/icons/<name>.png (empty icon when missing).
QIcon Icon(const QString& name);
}  // namespace Pictures
