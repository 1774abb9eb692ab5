#include "SplashFrm.h"

#include "AppHome.h"
#include "Pictures.h"
#include "Product.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

TSplashFrm::TSplashFrm(QWidget* parent) : TaFrm(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashFrm"));
    SetPlacement(TPlacement::ScreenCentre);
    SetEdgeResize(false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
    setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    imgSplash1 = new QLabel(this);
    imgSplash1->setObjectName(QStringLiteral("imgSplash1"));
    // A splash.jpg beside the program replaces the built-in picture.
    QPixmap picture;
    const QString own = AppHome::FilePath(QStringLiteral("splash.jpg"));
    if (QFileInfo::exists(own)) picture.load(own);
    if (picture.isNull()) picture = Pictures::Load(QStringLiteral("splash.png"));
    if (!picture.isNull()) {
        imgSplash1->setPixmap(picture);
        imgSplash1->setFixedSize(picture.size());
    } else {
        imgSplash1->setFixedSize(480, 260);
        imgSplash1->setAlignment(Qt::AlignCenter);
        imgSplash1->setText(TProduct::Title());
        imgSplash1->setStyleSheet(QStringLiteral("color: white; font-size: 28px;"));
    }
    layout->addWidget(imgSplash1);

    lblHint1 = new QLabel(QStringLiteral("正在创建数据连接..."), this);
    lblHint1->setObjectName(QStringLiteral("lblHint1"));
    lblHint1->setContentsMargins(14, 6, 14, 8);
    lblHint1->setStyleSheet(QStringLiteral("color: #c8ccd2;"));
    layout->addWidget(lblHint1);
    adjustSize();
}

QString TSplashFrm::Hint() const { return lblHint1->text(); }

void TSplashFrm::ShowHint(const QString& text)
{
    lblHint1->setText(text.isEmpty() ? lblHint1->text() + u'.' : text);
    // The start-up work blocks the event loop: paint now.
    lblHint1->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
