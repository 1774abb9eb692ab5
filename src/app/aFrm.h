#pragma once
#include <QDialog>
#include <QPointer>
#include <QString>

class QPushButton;

// The base of every window of the system: F1 opens the window's help page, Enter moves to the
// next box, the window appears near the mouse pointer, and a borderless window can be resized
// by its edges. Derived windows lay out their own contents.
//
// The help topic is the window's component name without its last three characters ("Frm"):
// objectName() when set, otherwise the class name without its leading "T".
class TaFrm : public QDialog {
    Q_OBJECT
public:
    enum class TPlacement {
        NearPointer,       // centre on the mouse pointer, kept inside the screen
        ScreenCentre,
        MainWindowCentre,  // centred on the main window (the screen when there is none)
        None,              // where the window system or the caller puts it
    };

    explicit TaFrm(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    // Opens help/<topic>.htm from the program's resources; an empty topic means the window's.
    virtual void ShowHelp(const QString& topic = QString());
    QString FormName() const;
    QString HelpTopic() const;

    TPlacement Placement() const { return m_placement; }
    void SetPlacement(TPlacement placement) { m_placement = placement; }
    // Enter outside a control that takes it clicks this button; without one, Enter moves on.
    void SetDefaultButton(QPushButton* button);
    // Whether a borderless window is resized by dragging its edges (on by default).
    void SetEdgeResize(bool on) { m_edgeResize = on; }

    // The main window: dialogs centre on it and it parents the windows the facade opens.
    static QWidget* MainWindow();
    static void SetMainWindow(QWidget* window);

    // The top-left corner that puts a window of the given size centred on the pointer, kept
    // 20 pixels from the screen's left and right and 50 pixels from its bottom.
    static QPoint PlaceNearPointer(const QPoint& pointer, const QSize& size, const QRect& screen);
    // The edges a borderless window is resized by when pressed at pos (none: a normal press).
    static Qt::Edges EdgesAt(const QPoint& pos, const QSize& size);
    // The page opened for a help topic (the contents page when the topic has none of its own).
    static QString HelpPagePath(const QString& topic);

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Whether Escape closes the window (as Cancel); plain windows ignore it.
    virtual bool EscapeCloses() const { return false; }
    void applyPlacement();

private:
    bool resizesByEdges() const;

    TPlacement m_placement = TPlacement::NearPointer;
    bool m_edgeResize = true;
    QPointer<QPushButton> m_defaultButton;
};

// A free-standing window (lists, document windows): stays on top of the other windows, is
// shown non-modally and frees itself when closed.
class TWinFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TWinFrm(QWidget* parent = nullptr);
};
