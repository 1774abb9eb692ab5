#include <QApplication>
#include <QLabel>

// Placeholder until the shell lands.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("恒川销售管理系统"));
    label.resize(400, 120);
    label.show();
    return app.exec();
}
