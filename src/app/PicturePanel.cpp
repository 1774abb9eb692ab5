#include "PicturePanel.h"

#include <QPainter>

TPicturePanel::TPicturePanel(const QPixmap& picture, QWidget* parent) : QWidget(parent) { SetPicture(picture); }

void TPicturePanel::SetPicture(const QPixmap& picture)
{
    m_picture = picture;
    if (!m_picture.isNull()) setFixedHeight(m_picture.height());
    update();
}

void TPicturePanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_picture.isNull()) {
        p.fillRect(rect(), palette().window());
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_picture);
}
