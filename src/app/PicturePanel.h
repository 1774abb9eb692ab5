#pragma once
#include <QPixmap>
#include <QWidget>

// A strip of the main window whose picture is stretched over its whole width.
class TPicturePanel : public QWidget {
    Q_OBJECT
public:
    explicit TPicturePanel(const QPixmap& picture, QWidget* parent = nullptr);
    void SetPicture(const QPixmap& picture);
    QPixmap Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
