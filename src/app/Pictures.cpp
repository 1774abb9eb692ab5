#include "Pictures.h"

#include "AppHome.h"

#include <QHash>

QString Pictures::PathOf(const QString& file) { return AppHome::ResourcePath(QStringLiteral("images/") + file); }

QPixmap Pictures::Load(const QString& file)
{
    const QString path = PathOf(file);
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}

QIcon Pictures::Icon(const QString& name)
{
    static QHash<QString, QIcon> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        const QString path = PathOf(QStringLiteral("icons/%1.png").arg(name));
        it = cache.insert(name, path.isEmpty() ? QIcon() : QIcon(path));
    }
    return *it;
}
