#include "QtSeams.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Warning: return QMessageBox::Warning;
    case TMsgKind::Error: return QMessageBox::Critical;
    case TMsgKind::Question: return QMessageBox::Question;
    default: return QMessageBox::Information;
    }
}

QString captionOf(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Warning: return QStringLiteral("警告");
    case TMsgKind::Error: return QStringLiteral("错误");
    case TMsgKind::Question: return QStringLiteral("确认");
    default: return QStringLiteral("提示");
    }
}

int run(TMsgKind kind, const QString& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    QMessageBox box(iconOf(kind), captionOf(kind), TQtMessages::DisplayText(text), buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(def);
    if (auto* b = box.button(QMessageBox::Ok)) b->setText(QStringLiteral("确定"));
    if (auto* b = box.button(QMessageBox::Cancel)) b->setText(QStringLiteral("取消"));
    if (auto* b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("是(&Y)"));
    if (auto* b = box.button(QMessageBox::No)) b->setText(QStringLiteral("否(&N)"));
    return box.exec();
}

}  // namespace

QString TQtMessages::DisplayText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    t.replace(u'\t', u' ');
    return t.trimmed();
}

void TQtMessages::Show(TMsgKind kind, const QString& text) { run(kind, text, QMessageBox::Ok, QMessageBox::Ok); }

bool TQtMessages::OkCancel(TMsgKind kind, const QString& text)
{
    return run(kind, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok;
}

bool TQtMessages::YesNo(const QString& text)
{
    return run(TMsgKind::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool TQtMessages::Input(const QString& caption, const QString& prompt, QString& value)
{
    bool ok = false;
    const QString v = QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok) value = v;
    return ok;
}

QString TQtFileDialogs::OpenFile(const QString& caption, const QString& filter, const QString& dir)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, dir, filter);
}

QString TQtFileDialogs::SaveFile(const QString& caption, const QString& filter, const QString& name)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, name, filter);
}

void InstallQtSeams()
{
    static TQtMessages messages;
    static TQtFileDialogs files;
    Platform::SetMessages(&messages);
    Platform::SetFileDialogs(&files);
}
