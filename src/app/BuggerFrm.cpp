#include "BuggerFrm.h"

#include "ErrorReport.h"
#include "MqLib.h"
#include "WaitCursor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBuggerFrm::TBuggerFrm(const QString& report, QWidget* parent) : TADlgFrm(parent)
{
    setObjectName(QStringLiteral("BuggerFrm"));
    setWindowTitle(QStringLiteral("错误与缺陷报告"));
    SetPlacement(TPlacement::ScreenCentre);
    resize(600, 520);

    auto* layout = new QVBoxLayout(ClientPanel());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto* heading = new QLabel(QStringLiteral("使用在线报告工具！"), ClientPanel());
    heading->setStyleSheet(QStringLiteral("font-size: 16px; font-weight: bold; color: #1f3a5f;"));
    layout->addWidget(heading);
    layout->addWidget(new QLabel(QStringLiteral("欢迎"), ClientPanel()));
    layout->addWidget(new QLabel(QStringLiteral("请将以下信息反馈给我们，以便能帮助我们解决此问题："), ClientPanel()));
    memReport1 = new QPlainTextEdit(ClientPanel());
    memReport1->setObjectName(QStringLiteral("memReport1"));
    QString shown = report;
    memReport1->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    layout->addWidget(memReport1, 1);
    layout->addWidget(new QLabel(QStringLiteral("谢谢您的支持！我们将做得更好！"), ClientPanel()));
    auto* note = new QLabel(QStringLiteral("请务必确定您已连上互联网."), ClientPanel());
    note->setStyleSheet(QStringLiteral("color: #a04000;"));
    layout->addWidget(note);
}

void TBuggerFrm::accept()
{
    QString reply;
    bool sent = false;
    {
        TWaitCursor wait;
        QString text = memReport1->toPlainText();
        sent = TErrorReport::Send(text.replace(u'\n', QStringLiteral("\r\n")), &reply);
    }
    if (!sent) {
        ShowInfo(reply.isEmpty() ? TErrorReport::FailureMessage() : reply);
        return;
    }
    ShowInfo(TErrorReport::SuccessMessage());
    TADlgFrm::accept();
}
