#include "NavButton.h"

#include "MqLib.h"
#include "Pictures.h"

#include <QImageReader>
#include <QMouseEvent>

TNavButton::TNavButton(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
}

void TNavButton::SetPictures(const QPixmap& normal, const QPixmap& highlighted)
{
    m_normal = normal;
    m_highlighted = highlighted.isNull() ? normal : highlighted;
    if (!m_normal.isNull()) setFixedSize(m_normal.size());
    showPicture(m_selected);
}

bool TNavButton::LoadPictures(const QString& baseName)
{
    QPixmap pictures[2];
    const char* suffixes[2] = {"A", "B"};
    for (int i = 0; i < 2; ++i) {
        const QString name = baseName + QLatin1String(suffixes[i]);
        QString path = Pictures::PathOf(name + QStringLiteral(".png"));
        if (path.isEmpty()) path = Pictures::PathOf(name);
        QImageReader reader(path.isEmpty() ? name : path);
        const QImage image = reader.read();
        if (image.isNull()) {
            ShowInfo(name + u':' + reader.errorString());
            m_normal = m_highlighted = QPixmap();
            clear();
            return false;
        }
        pictures[i] = QPixmap::fromImage(image);
    }
    SetPictures(pictures[0], pictures[1]);
    return true;
}

void TNavButton::SetSelected(bool selected)
{
    m_selected = selected;
    showPicture(selected);
}

void TNavButton::showPicture(bool highlighted)
{
    const QPixmap& p = highlighted ? m_highlighted : m_normal;
    if (!p.isNull()) setPixmap(p);
}

void TNavButton::enterEvent(QEnterEvent* event)
{
    if (m_hoverable && !m_selected) showPicture(true);
    Q_EMIT hintChanged(m_hint);
    QLabel::enterEvent(event);
}

void TNavButton::leaveEvent(QEvent* event)
{
    if (m_hoverable && !m_selected) showPicture(false);
    Q_EMIT hintChanged(QString());
    QLabel::leaveEvent(event);
}

void TNavButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}
