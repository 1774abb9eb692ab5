#include "Operator.h"

#include "Database.h"
#include "MqLib.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace {
const QString kPrefix = QStringLiteral("pbkdf2$");
constexpr int kIterations = 120000;
}  // namespace

QString PasswordHash::Make(const QString& password)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), salt.size() / 4);
    const QByteArray key = QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                                              kIterations, 32);
    return kPrefix + QString::number(kIterations) + u'$' + QString::fromLatin1(salt.toBase64()) + u'$'
           + QString::fromLatin1(key.toBase64());
}

bool PasswordHash::IsHash(const QString& stored) { return stored.startsWith(kPrefix); }

bool PasswordHash::Verify(const QString& stored, const QString& password)
{
    if (!IsHash(stored)) return stored == password;  // legacy plain text, compared exactly
    const QStringList parts = stored.split(u'$');
    if (parts.size() != 4) return false;
    const int iterations = parts[1].toInt();
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    if (iterations <= 0 || expected.isEmpty()) return false;
    const QByteArray key = QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                                              iterations, quint64(expected.size()));
    // Constant-time comparison.
    unsigned char diff = 0;
    for (int i = 0; i < key.size(); ++i) diff |= static_cast<unsigned char>(key[i] ^ expected[i]);
    return key.size() == expected.size() && diff == 0;
}

void TOperator::Clear()
{
    LoginId.clear();
    Password.clear();
    Name.clear();
    Contact.clear();
    Note.clear();
    Rights.clear();
}

void TOperator::LoadOperator(const QString& loginId)
{
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select LoginId,[Password],Name,Contact,[Note],Rights from [operator] where LoginId=:LoginId"),
            {DBParam(QStringLiteral("LoginId"), loginId)});
    if (rs.RecordCount() != 1) {
        Clear();
        return;
    }
    TDataSet* ds = rs.DataSet();
    auto text = [ds](int i) { return ds->ValueAt(0, i).toString(); };
    LoginId = text(0);
    Password = text(1);
    Name = text(2);
    Contact = text(3);
    Note = text(4);
    Rights = text(5);
}

bool TOperator::CheckPassword(const QString& password)
{
    if (LoginId.isEmpty() || !PasswordHash::Verify(Password, password)) return false;
    if (!PasswordHash::IsHash(Password)) SetPassword(password);  // upgrade a legacy value once
    return true;
}

bool TOperator::SetPassword(const QString& newPassword)
{
    const QString hash = PasswordHash::Make(newPassword);
    const int n = GlobalDatabase().Execute(
        QStringLiteral("update [operator] set [Password]=:Password where LoginId=:LoginId"),
        {DBParam(QStringLiteral("Password"), hash), DBParam(QStringLiteral("LoginId"), LoginId)});
    if (n != 1) return false;
    Password = hash;
    return true;
}

bool TOperator::RightsContain(const QString& rights, int right)
{
    return rights.contains(u',' + QString::number(right) + u',');
}

bool TOperator::HasRight(int right) const
{
    return LoginId == QLatin1String("sa") || RightsContain(Rights, right);
}

bool TOperator::CheckRight(int right, bool abortOnRefusal) const
{
    if (HasRight(right)) return true;
    ShowInfo(QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(right));
    if (abortOnRefusal) throw EAbort();
    return false;
}

TOperator& CurrentOperator()
{
    static TOperator op;
    return op;
}

TOperatorSet::TOperatorSet(QObject* parent) : TRecordSet(parent)
{
    UserIdField = AddField(TFieldType::WideString, QStringLiteral("LoginId"), 30, true, QStringLiteral("登陆名"));
    PasswdField = AddField(TFieldType::WideString, QStringLiteral("Password"), 100, false, QStringLiteral("密码"));
    NameField = AddField(TFieldType::WideString, QStringLiteral("Name"), 30, true, QStringLiteral("姓名"));
    ContactField = AddField(TFieldType::WideString, QStringLiteral("Contact"), 50, true, QStringLiteral("联系方式"));
    NoteField = AddField(TFieldType::WideString, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    RightsField = AddField(TFieldType::Memo, QStringLiteral("Rights"), -1, false, QStringLiteral("权限"));
    Open(QStringLiteral("select * from [operator] where LoginId<>'sa'"));
}

ROperators TOperatorSet::LoadAll()
{
    ROperators list;
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select LoginId, Name, Contact, Rights, [Note], EmployeeId from [operator] where LoginId<>'sa'"));
    for (int i = 0; i < rs.RecordCount(); ++i) {
        const TDataSet* ds = rs.DataSet();
        ROperator op;
        op.LoginId = ds->ValueAt(i, 0).toString();
        op.Name = ds->ValueAt(i, 1).toString();
        op.Contact = ds->ValueAt(i, 2).toString();
        op.Rights = ds->ValueAt(i, 3).toString();
        op.Note = ds->ValueAt(i, 4).toString();
        const QVariant e = ds->ValueAt(i, 5);
        op.EmployeeId = e.isNull() ? QVariant() : QVariant(e.toInt());
        list << op;
    }
    return list;
}

bool TOperatorSet::SaveOperator(const ROperator& op)
{
    // The editor never shows a stored password: an empty one keeps what is stored.
    TDBParameters params{DBParam(QStringLiteral("Rights"), op.Rights), DBParam(QStringLiteral("Note"), op.Note),
                         DBParam(QStringLiteral("EmployeeId"), op.EmployeeId),
                         DBParam(QStringLiteral("Name"), op.Name), DBParam(QStringLiteral("Contact"), op.Contact),
                         DBParam(QStringLiteral("LoginId"), op.LoginId)};
    QString setPassword;
    if (!op.Password.isEmpty()) {
        params << DBParam(QStringLiteral("Password"), PasswordHash::Make(op.Password));
        setPassword = QStringLiteral("[Password]=:Password, ");
    }
    TTransaction t;
    int n = GlobalDatabase().Execute(QStringLiteral("update [operator] set ") + setPassword
                                         + QStringLiteral("Rights=:Rights, [Note]=:Note, EmployeeId=:EmployeeId, "
                                                          "Name=:Name, Contact=:Contact where LoginId=:LoginId"),
                                     params);
    if (n != 1) {
        if (op.Password.isEmpty()) params << DBParam(QStringLiteral("Password"), PasswordHash::Make(QString()));
        n = GlobalDatabase().Execute(
            QStringLiteral("insert into [operator](LoginId, [Password], Rights, [Note], EmployeeId, Name, Contact)"
                           "values(:LoginId, :Password, :Rights, :Note, :EmployeeId, :Name, :Contact)"),
            params);
    }
    if (n != 1) return false;
    t.Commit();
    return true;
}

bool TOperatorSet::DeleteOperator(const QString& loginId)
{
    return GlobalDatabase().Execute(QStringLiteral("delete from [operator] where LoginId=:LoginId"),
                                    {DBParam(QStringLiteral("LoginId"), loginId)})
           == 1;
}

const QList<TRightEntry>& OfferedRights()
{
    static const QList<TRightEntry> rights{
        {1012, QStringLiteral("部门设置")},       {1013, QStringLiteral("货品分类设置")},
        {1014, QStringLiteral("货品资料设置")},   {10, QStringLiteral("客户资料设置")},
        {1011, QStringLiteral("职员资料设置")},   {1052, QStringLiteral("银行账户设置")},
        {61, QStringLiteral("其他应收项目设置")}, {61, QStringLiteral("费用项目设置")},
        {62, QStringLiteral("包装单位设置")},     {59, QStringLiteral("报价录入")},
        {58, QStringLiteral("报价审核")},         {1054, QStringLiteral("订单录入")},
        {1055, QStringLiteral("订单审核")},       {67, QStringLiteral("允许修改订单价格")},
        {1053, QStringLiteral("订单报表")},       {71, QStringLiteral("订单手动中止")},
        {16, QStringLiteral("发货单录入")},       {17, QStringLiteral("发货单审核")},
        {68, QStringLiteral("允许修改发货价格")}, {36, QStringLiteral("发货报表")},
        {66, QStringLiteral("销售利润汇总表")},   {70, QStringLiteral("发票录入")},
        {69, QStringLiteral("发票审核")},         {24, QStringLiteral("销售收款单录入")},
        {26, QStringLiteral("销售收款单审核")},   {63, QStringLiteral("费用录入")},
        {64, QStringLiteral("费用审核")},         {23, QStringLiteral("其他应收单录入")},
        {25, QStringLiteral("其他应收单审核")},   {29, QStringLiteral("应收款报表")},
        {1008, QStringLiteral("选项设置")},       {1009, QStringLiteral("数据清理")},
    };
    return rights;
}

QString BuildRightsText(const QList<bool>& checked)
{
    const QList<TRightEntry>& rights = OfferedRights();
    QString text;
    for (int i = 0; i < rights.size() && i < checked.size(); ++i) {
        // A right offered twice is stored once.
        if (checked[i] && !TOperator::RightsContain(text, rights[i].Right))
            text += QStringLiteral(",%1,").arg(rights[i].Right);
    }
    return text;
}
