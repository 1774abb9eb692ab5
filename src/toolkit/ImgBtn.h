#pragma once
#include <QLabel>
#include <QPixmap>

// A picture that acts as a button: a normal and a hot picture, swapped under the mouse when
// SwapOnHover is on (off at creation).
class TmqImgBtn : public QLabel {
    Q_OBJECT
public:
    explicit TmqImgBtn(QWidget* parent = nullptr);

    void SetNormalPicture(const QPixmap& p);
    void SetHotPicture(const QPixmap& p) { m_hot = p; }
    QPixmap NormalPicture() const { return m_normal; }
    QPixmap HotPicture() const { return m_hot; }
    bool SwapOnHover() const { return m_swap; }
    void SetSwapOnHover(bool on) { m_swap = on; }

Q_SIGNALS:
    void MouseEntered(TmqImgBtn* button);
    void MouseLeft(TmqImgBtn* button);
    void Clicked(TmqImgBtn* button);

protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QPixmap m_normal;
    QPixmap m_hot;
    bool m_swap = false;
};
