#include "ImgBtn.h"

#include <QMouseEvent>

TmqImgBtn::TmqImgBtn(QWidget* parent) : QLabel(parent) { setCursor(Qt::PointingHandCursor); }

void TmqImgBtn::SetNormalPicture(const QPixmap& p)
{
    m_normal = p;
    setPixmap(p);
}

void TmqImgBtn::enterEvent(QEnterEvent* e)
{
    if (m_swap) setPixmap(m_hot);
    Q_EMIT MouseEntered(this);
    QLabel::enterEvent(e);
}

void TmqImgBtn::leaveEvent(QEvent* e)
{
    if (m_swap) setPixmap(m_normal);
    Q_EMIT MouseLeft(this);
    QLabel::leaveEvent(e);
}

void TmqImgBtn::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT Clicked(this);
    QLabel::mouseReleaseEvent(e);
}
