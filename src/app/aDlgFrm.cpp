#include "aDlgFrm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setMinimumWidth(84);
    return button;
}

// Client panel, a sunken line, then the button row at the bottom right.
QHBoxLayout* frameDialog(QWidget* dialog, QWidget* client)
{
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(12, 12, 12, 10);
    outer->setSpacing(8);
    outer->addWidget(client, 1);
    auto* line = new QFrame(dialog);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    outer->addWidget(line);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    outer->addLayout(buttons);
    return buttons;
}

}  // namespace

TADlgFrm::TADlgFrm(QWidget* parent) : TaFrm(parent)
{
    setModal(true);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientPanel"));
    m_buttons = frameDialog(this, m_client);
    OkBtn1 = makeButton(QStringLiteral("确定(&O)"), this);
    OkBtn1->setObjectName(QStringLiteral("OkBtn1"));
    CancelBtn1 = makeButton(QStringLiteral("取消"), this);
    CancelBtn1->setObjectName(QStringLiteral("CancelBtn1"));
    HelpBtn1 = makeButton(QStringLiteral("帮助"), this);
    HelpBtn1->setObjectName(QStringLiteral("HelpBtn1"));
    m_buttons->addWidget(OkBtn1);
    m_buttons->addWidget(CancelBtn1);
    m_buttons->addWidget(HelpBtn1);
    connect(OkBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn1, &QPushButton::clicked, this, [this] { ShowHelp(); });
}

TAInfoDlgFrm::TAInfoDlgFrm(QWidget* parent) : TaFrm(parent)
{
    setModal(true);
    SetPlacement(TPlacement::MainWindowCentre);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientPanel"));
    m_buttons = frameDialog(this, m_client);
    CloseBtn1 = makeButton(QStringLiteral("关闭"), this);
    CloseBtn1->setObjectName(QStringLiteral("CloseBtn1"));
    HelpBtn1 = makeButton(QStringLiteral("帮助"), this);
    HelpBtn1->setObjectName(QStringLiteral("HelpBtn1"));
    m_buttons->addWidget(CloseBtn1);
    m_buttons->addWidget(HelpBtn1);
    connect(CloseBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn1, &QPushButton::clicked, this, [this] { ShowHelp(); });
}
