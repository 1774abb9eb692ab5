#include "aFrm.h"

#include "AppHome.h"
#include "Seams.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {
QPointer<QWidget> g_mainWindow;
}

TaFrm::TaFrm(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setSizeGripEnabled(false);
}

QWidget* TaFrm::MainWindow() { return g_mainWindow; }
void TaFrm::SetMainWindow(QWidget* window) { g_mainWindow = window; }

QString TaFrm::FormName() const
{
    if (!objectName().isEmpty()) return objectName();
    // The dynamic class, also for windows declared without Q_OBJECT.
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(typeid(*this).name(), nullptr, nullptr, &status), std::free);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : metaObject()->className());
    name = name.mid(name.lastIndexOf(u':') + 1);
    if (name.startsWith(u'T')) name.remove(0, 1);
    return name;
}

QString TaFrm::HelpTopic() const
{
    const QString name = FormName();
    return name.size() > 3 ? name.left(name.size() - 3) : name;
}

QString TaFrm::HelpPagePath(const QString& topic)
{
    QString page = AppHome::ResourcePath(QStringLiteral("help/%1.htm").arg(topic));
    if (page.isEmpty()) page = AppHome::ResourcePath(QStringLiteral("help/index.htm"));
    if (page.isEmpty())
        page = QApplication::applicationDirPath() + QStringLiteral("/help/%1.htm").arg(topic);
    return page;
}

void TaFrm::ShowHelp(const QString& topic)
{
    Platform::Shell().Open(HelpPagePath(topic.isEmpty() ? HelpTopic() : topic));
}

void TaFrm::SetDefaultButton(QPushButton* button) { m_defaultButton = button; }

QPoint TaFrm::PlaceNearPointer(const QPoint& pointer, const QSize& size, const QRect& screen)
{
    const int w = size.width();
    const int h = size.height();
    int left = pointer.x() - screen.left() - w / 2;
    if (left < 0) left = 20;
    if (left > screen.width() - w - 20) left = screen.width() - w - 20;
    int top = pointer.y() - screen.top() - h / 2;
    if (top < 0) top = 20;
    if (top + h > screen.height() - 50) top = screen.height() - h - 50;
    return QPoint(screen.left() + left, screen.top() + top);
}

Qt::Edges TaFrm::EdgesAt(const QPoint& pos, const QSize& size)
{
    const int x = pos.x(), y = pos.y(), w = size.width(), h = size.height();
    if (x <= 9 && y <= 9) return Qt::TopEdge | Qt::LeftEdge;
    if (x > w - 10 && y < 10) return Qt::TopEdge | Qt::RightEdge;
    if (x > w - 10 && y > h - 10) return Qt::BottomEdge | Qt::RightEdge;
    if (x < 10 && y > h - 10) return Qt::BottomEdge | Qt::LeftEdge;
    if (x <= 4) return Qt::LeftEdge;
    if (y <= 4) return Qt::TopEdge;
    if (x > w - 5) return Qt::RightEdge;
    if (y > h - 5) return Qt::BottomEdge;
    return {};
}

void TaFrm::applyPlacement()
{
    if (m_placement == TPlacement::None || windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    ensurePolished();
    if (!testAttribute(Qt::WA_Resized)) adjustSize();
    QWidget* main = MainWindow();
    if (m_placement == TPlacement::MainWindowCentre && main && main != this && main->isVisible()) {
        const QRect g = main->frameGeometry();
        move(g.center() - QPoint(width() / 2, height() / 2));
        return;
    }
    const QPoint pointer = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    if (m_placement == TPlacement::NearPointer)
        move(PlaceNearPointer(pointer, size(), area));
    else
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void TaFrm::setVisible(bool visible)
{
    if (visible && !isVisible() && isWindow()) {
        applyPlacement();
        if (resizesByEdges()) setMouseTracking(true);
    }
    QDialog::setVisible(visible);
}

bool TaFrm::resizesByEdges() const { return m_edgeResize && isWindow() && (windowFlags() & Qt::FramelessWindowHint); }

void TaFrm::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_F1:
        if (mods == Qt::NoModifier) {
            ShowHelp();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (EscapeCloses()) {
            reject();
            event->accept();
        } else {
            event->ignore();
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods != Qt::NoModifier) break;
        if (m_defaultButton && m_defaultButton->isVisible() && m_defaultButton->isEnabled()) {
            m_defaultButton->click();
        } else if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
            button->click();
        } else {
            focusNextChild();
        }
        event->accept();
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void TaFrm::mousePressEvent(QMouseEvent* event)
{
    if (resizesByEdges() && event->button() == Qt::LeftButton) {
        const Qt::Edges edges = EdgesAt(event->position().toPoint(), size());
        if (edges && windowHandle() && windowHandle()->startSystemResize(edges)) {
            event->accept();
            return;
        }
    }
    QDialog::mousePressEvent(event);
}

void TaFrm::mouseMoveEvent(QMouseEvent* event)
{
    if (resizesByEdges() && !(event->buttons() & Qt::LeftButton)) {
        const Qt::Edges edges = EdgesAt(event->position().toPoint(), size());
        if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
            setCursor(Qt::SizeFDiagCursor);
        else if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
            setCursor(Qt::SizeBDiagCursor);
        else if (edges == Qt::LeftEdge || edges == Qt::RightEdge)
            setCursor(Qt::SizeHorCursor);
        else if (edges == Qt::TopEdge || edges == Qt::BottomEdge)
            setCursor(Qt::SizeVerCursor);
        else
            unsetCursor();
    }
    QDialog::mouseMoveEvent(event);
}

TWinFrm::TWinFrm(QWidget* parent) : TaFrm(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
}
