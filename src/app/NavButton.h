#pragma once
#include <QLabel>
#include <QPixmap>

// A picture button of the main window's banner: a normal and a highlighted picture. A hoverable
// button shows its highlighted picture while the mouse is over it; a selected one (the current
// page) keeps it.
class TNavButton : public QLabel {
    Q_OBJECT
public:
    explicit TNavButton(QWidget* parent = nullptr);

    void SetPictures(const QPixmap& normal, const QPixmap& highlighted);
    // Loads <base>A and <base>B from the pictures; a missing or unreadable file is reported
    // with the picture's name and the button keeps no picture. False when one failed.
    bool LoadPictures(const QString& baseName);
    void SetHoverable(bool hoverable) { m_hoverable = hoverable; }
    void SetSelected(bool selected);
    bool Selected() const { return m_selected; }
    void SetHint(const QString& hint) { m_hint = hint; }
    QString Hint() const { return m_hint; }

Q_SIGNALS:
    void clicked();
    void hintChanged(const QString& hint);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showPicture(bool highlighted);

    QPixmap m_normal;
    QPixmap m_highlighted;
    QString m_hint;
    bool m_hoverable = true;
    bool m_selected = false;
};
