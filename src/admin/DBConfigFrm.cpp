#include "DBConfigFrm.h"

#include "Configer.h"
#include "ConnectDatabase.h"
#include "Errors.h"
#include "MqLib.h"
#include "Seams.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* newEdit(const char* name, QWidget* parent, bool masked = false)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (masked) {
        e->setEchoMode(QLineEdit::Password);
        // The mask character of the system's password boxes.
        e->setStyleSheet(QStringLiteral("QLineEdit[echoMode=\"2\"] { lineedit-password-character: 42; }"));
    }
    return e;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

// One disc of the database drawing: an ellipse on top of a short cylinder wall.
void drawDisc(QPainter& p, const QRectF& r, qreal wall)
{
    QLinearGradient side(r.left(), 0, r.right(), 0);
    side.setColorAt(0, QColor(0xd8, 0xe6, 0xf5));
    side.setColorAt(0.45, QColor(0xff, 0xff, 0xff));
    side.setColorAt(1, QColor(0x9f, 0xb9, 0xd6));
    QPainterPath body;
    body.moveTo(r.left(), r.center().y());
    body.lineTo(r.left(), r.center().y() + wall);
    body.arcTo(QRectF(r.left(), r.top() + wall, r.width(), r.height()), 180, 180);
    body.lineTo(r.right(), r.center().y());
    body.arcTo(r, 0, -180);
    p.setPen(QPen(QColor(0x2a, 0x4f, 0x7a), 1.2));
    p.setBrush(side);
    p.drawPath(body);
    p.setBrush(QColor(0xf4, 0xf8, 0xfc));
    p.drawEllipse(r);
}

}  // namespace

QPixmap TDBConfigFrm::Decoration(const QSize& size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, size.height());
    bg.setColorAt(0, QColor(0x1d, 0x4a, 0x85));
    bg.setColorAt(1, QColor(0x5b, 0x9b, 0xdc));
    p.fillRect(pm.rect(), bg);

    const qreal w = size.width() * 0.62;
    const qreal x = (size.width() - w) / 2;
    const qreal h = w * 0.32;
    const qreal wall = h * 0.9;
    qreal y = size.height() * 0.18;
    for (int i = 0; i < 3; ++i) {
        // Drawn from the bottom disc up, so each top covers the wall below it.
        const qreal top = y + (2 - i) * wall;
        drawDisc(p, QRectF(x, top, w, h), wall);
    }
    // A warning mark: the connection needs attention.
    const qreal r = w * 0.26;
    const QPointF c(x + w - r * 0.4, y + 3 * wall + h * 0.3);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(0xf0, 0xa8, 0x1e));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, r * 0.28, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x(), c.y() - r * 0.5), QPointF(c.x(), c.y() + r * 0.12));
    p.drawPoint(QPointF(c.x(), c.y() + r * 0.52));
    return pm;
}

TDBConfigFrm::TDBConfigFrm(TConfiger* configer, QWidget* parent)
    : QDialog(parent)
{
    if (!configer) {
        m_own = std::make_unique<TConfiger>();
        configer = m_own.get();
    }
    m_configer = configer;
    setObjectName(QStringLiteral("DBConfigFrm"));
    setWindowTitle(QString());
    buildUi();
    loadFromConfiger();
}

TDBConfigFrm::~TDBConfigFrm() = default;

bool TDBConfigFrm::Execute(TConfiger& configer, QWidget* parent)
{
    TDBConfigFrm frm(&configer, parent);
    return frm.exec() == QDialog::Accepted;
}

void TDBConfigFrm::buildUi()
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(Decoration(QSize(120, 330)));
    picture->setAlignment(Qt::AlignTop);

    auto* title = new QLabel(QStringLiteral("注意，程序无法正常连接到指定的数据库。"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* hint1 = new QLabel(QStringLiteral("1.单机版用户，请检查数据库文件是否存在或者已被破坏；"), this);
    auto* hint2 = new QLabel(QStringLiteral("2.网络版用户，请检查网络是否畅通以及数据库服务器是否启动。"), this);
    auto* hint3 = new QLabel(QStringLiteral("另外，请检查以下连接参数是否正确："), this);

    providerComboBox1 = new QComboBox(this);
    providerComboBox1->setObjectName(QStringLiteral("providerComboBox1"));
    providerComboBox1->addItems({QStringLiteral("PostgreSQL 数据库服务器"), QStringLiteral("本机数据库文件 (SQLite)"),
                                 QStringLiteral("DIP 连接服务 (PostgreSQL)")});
    auto* providerRow = new QHBoxLayout;
    providerRow->addWidget(buddyLabel(QStringLiteral("提供者"), providerComboBox1, this));
    providerRow->addWidget(providerComboBox1, 1);

    auto* group = new QGroupBox(QStringLiteral("参数"), this);
    pages = new QStackedWidget(group);
    pages->setObjectName(QStringLiteral("PageControl1"));

    // Server page.
    auto* mssql = new QWidget(pages);
    mssql->setObjectName(QStringLiteral("mssql"));
    mssqlServerEdit1 = newEdit("mssqlServerEdit1", mssql);
    mssqlPortEdit1 = newEdit("mssqlPortEdit1", mssql);
    mssqlPortEdit1->setText(QString::number(TConfiger::DefaultServerPort));
    mssqlPortEdit1->setMaximumWidth(70);
    mssqlDbEdit1 = newEdit("mssqlDbEdit1", mssql);
    mssqlUserEdit1 = newEdit("mssqlUserEdit1", mssql);
    mssqlPwEdit1 = newEdit("mssqlPwEdit1", mssql, true);
    CheckBox1 = new QCheckBox(QStringLiteral("采用智能连接"), mssql);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    auto* g = new QGridLayout(mssql);
    g->addWidget(buddyLabel(QStringLiteral("服务器"), mssqlServerEdit1, mssql), 0, 0);
    g->addWidget(mssqlServerEdit1, 0, 1);
    g->addWidget(buddyLabel(QStringLiteral("端口"), mssqlPortEdit1, mssql), 0, 2);
    g->addWidget(mssqlPortEdit1, 0, 3);
    g->addWidget(buddyLabel(QStringLiteral("数据库名"), mssqlDbEdit1, mssql), 1, 0);
    g->addWidget(mssqlDbEdit1, 1, 1, 1, 3);
    g->addWidget(buddyLabel(QStringLiteral("登陆名"), mssqlUserEdit1, mssql), 2, 0);
    g->addWidget(mssqlUserEdit1, 2, 1, 1, 3);
    g->addWidget(buddyLabel(QStringLiteral("密 码"), mssqlPwEdit1, mssql), 3, 0);
    g->addWidget(mssqlPwEdit1, 3, 1, 1, 3);
    g->addWidget(CheckBox1, 4, 1, 1, 3);
    g->setRowStretch(5, 1);

    // Database file page.
    auto* jet4 = new QWidget(pages);
    jet4->setObjectName(QStringLiteral("jet4"));
    jetDefaultCheckBox1 = new QCheckBox(QStringLiteral("使用默认连接"), jet4);
    jetDefaultCheckBox1->setObjectName(QStringLiteral("jetDefaultCheckBox1"));
    jetfileEdit1 = newEdit("jetfileEdit1", jet4);
    jetfileButton1 = new QPushButton(QStringLiteral("..."), jet4);
    jetfileButton1->setObjectName(QStringLiteral("jetfileButton1"));
    jetfileButton1->setAutoDefault(false);
    jetfileButton1->setFixedWidth(30);
    jetUserEdit1 = newEdit("jetUserEdit1", jet4);
    jetPwEdit1 = newEdit("jetPwEdit1", jet4, true);
    auto* j = new QGridLayout(jet4);
    j->addWidget(jetDefaultCheckBox1, 0, 1, 1, 2);
    j->addWidget(buddyLabel(QStringLiteral("数据库文件:"), jetfileEdit1, jet4), 1, 0);
    j->addWidget(jetfileEdit1, 1, 1);
    j->addWidget(jetfileButton1, 1, 2);
    j->addWidget(buddyLabel(QStringLiteral("用户名:"), jetUserEdit1, jet4), 2, 0);
    j->addWidget(jetUserEdit1, 2, 1, 1, 2);
    j->addWidget(buddyLabel(QStringLiteral("密码:"), jetPwEdit1, jet4), 3, 0);
    j->addWidget(jetPwEdit1, 3, 1, 1, 2);
    j->setRowStretch(4, 1);
    // Disabled file controls take the button-face colour, as the other read-only boxes do.
    for (QLineEdit* e : {jetfileEdit1, jetUserEdit1, jetPwEdit1}) {
        QPalette pal = e->palette();
        pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Active, QPalette::Button));
        e->setPalette(pal);
    }

    // DIP page.
    auto* mqdip = new QWidget(pages);
    mqdip->setObjectName(QStringLiteral("mqdip"));
    edtDipUrl1 = newEdit("edtDipUrl1", mqdip);
    edtDipUser1 = newEdit("edtDipUser1", mqdip);
    auto* d = new QGridLayout(mqdip);
    d->addWidget(buddyLabel(QStringLiteral("DIP地址"), edtDipUrl1, mqdip), 0, 0);
    d->addWidget(edtDipUrl1, 0, 1);
    d->addWidget(buddyLabel(QStringLiteral("DIP用户"), edtDipUser1, mqdip), 1, 0);
    d->addWidget(edtDipUser1, 1, 1);
    d->setRowStretch(2, 1);

    pages->addWidget(mssql);
    pages->addWidget(jet4);
    pages->addWidget(mqdip);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(pages);

    btnOk = new QPushButton(QStringLiteral("确定(&Y)"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);

    auto* right = new QVBoxLayout;
    right->addWidget(title);
    right->addWidget(hint1);
    right->addWidget(hint2);
    right->addSpacing(4);
    right->addWidget(hint3);
    right->addLayout(providerRow);
    right->addWidget(group, 1);
    right->addLayout(buttons);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(0, 0, 12, 12);
    main->setSpacing(14);
    main->addWidget(picture);
    right->setContentsMargins(0, 12, 0, 0);
    main->addLayout(right, 1);

    connect(providerComboBox1, &QComboBox::currentIndexChanged, pages, &QStackedWidget::setCurrentIndex);
    connect(jetDefaultCheckBox1, &QCheckBox::toggled, this, &TDBConfigFrm::jetDefaultChanged);
    connect(jetfileButton1, &QPushButton::clicked, this, &TDBConfigFrm::chooseJetFile);
    connect(btnOk, &QPushButton::clicked, this, &TDBConfigFrm::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TDBConfigFrm::reject);

    setFixedSize(sizeHint());
}

void TDBConfigFrm::loadFromConfiger()
{
    const TConfiger& c = *m_configer;
    providerComboBox1->setCurrentIndex(qBound(0, c.providerIdx, 2));
    pages->setCurrentIndex(providerComboBox1->currentIndex());
    mssqlServerEdit1->setText(c.mssqlServer);
    mssqlPortEdit1->setText(QString::number(c.mssqlPort));
    mssqlDbEdit1->setText(c.mssqlDb);
    mssqlUserEdit1->setText(c.mssqlUser);
    mssqlPwEdit1->setText(c.mssqlPw);
    CheckBox1->setChecked(c.SmartConnect);
    jetDefaultCheckBox1->setChecked(c.defaultCon);
    jetfileEdit1->setText(c.jetfile);
    jetUserEdit1->setText(c.jetUser);
    jetPwEdit1->setText(c.jetPw);
    edtDipUrl1->setText(c.dipUrl);
    edtDipUser1->setText(c.dipUser);
    jetDefaultChanged();
}

void TDBConfigFrm::jetDefaultChanged()
{
    const bool own = !jetDefaultCheckBox1->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{jetfileEdit1, jetfileButton1, jetUserEdit1, jetPwEdit1})
        w->setEnabled(own);
}

void TDBConfigFrm::chooseJetFile()
{
    const QString current = jetfileEdit1->text().trimmed();
    const QString file = Platform::FileDialogs().OpenFile(
        QStringLiteral("打开数据库文件"), QStringLiteral("数据库文件 (*.db *.sqlite *.sqlite3);;所有文件 (*)"),
        current.isEmpty() ? QString() : QFileInfo(current).absolutePath());
    if (!file.isEmpty()) jetfileEdit1->setText(file);
}

bool TDBConfigFrm::storeToConfiger()
{
    bool ok = false;
    const QString portText = mssqlPortEdit1->text().trimmed();
    const int port = portText.toInt(&ok);
    if (!ok || port < 1 || port > 65535) {
        ShowInfo(QStringLiteral("端口“%1”无效,请输入 1 到 65535 之间的数字.").arg(portText));
        providerComboBox1->setCurrentIndex(0);
        mssqlPortEdit1->setFocus();
        mssqlPortEdit1->selectAll();
        return false;
    }
    TConfiger& c = *m_configer;
    c.providerIdx = providerComboBox1->currentIndex();
    c.mssqlServer = mssqlServerEdit1->text().trimmed();
    c.mssqlPort = port;
    c.mssqlDb = mssqlDbEdit1->text().trimmed();
    c.mssqlUser = mssqlUserEdit1->text().trimmed();
    c.mssqlPw = mssqlPwEdit1->text();
    c.SmartConnect = CheckBox1->isChecked();
    c.defaultCon = jetDefaultCheckBox1->isChecked();
    c.jetfile = jetfileEdit1->text().trimmed();
    c.jetUser = jetUserEdit1->text().trimmed();
    c.jetPw = jetPwEdit1->text();
    c.dipUrl = edtDipUrl1->text().trimmed();
    c.dipUser = edtDipUser1->text().trimmed();
    return true;
}

void TDBConfigFrm::accept()
{
    if (!storeToConfiger()) return;
    try {
        m_configer->SaveConfig();
    } catch (const EMqError& e) {
        ShowInfo(e.Message());
        return;
    }
    QDialog::accept();
}

void TDBConfigFrm::keyPressEvent(QKeyEvent* event)
{
    // Enter moves on to the next box, as in the other entry windows; only a focused button
    // takes it as a click (the button handles it before it reaches here).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ConnectDatabase()
{
    return ConnectDatabase([](TConfiger& c) { return TDBConfigFrm::Execute(c); });
}
