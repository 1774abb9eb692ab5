#include "ErrorReport.h"

#include "Company.h"
#include "Errors.h"
#include "Product.h"
#include "Seams.h"

#include <QStringList>
#include <QSysInfo>
#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

QString demangled(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : type.name());
}

constexpr int kTimeoutMs = 15000;

}  // namespace

TErrorInfo TErrorReport::Describe(const std::exception& e)
{
    TErrorInfo info;
    info.ClassName = demangled(typeid(e));
    if (auto* db = dynamic_cast<const EDatabaseError*>(&e))
        info.Message = db->Message();
    else if (auto* mq = dynamic_cast<const EMqError*>(&e))
        info.Message = mq->Message();
    else
        info.Message = QString::fromUtf8(e.what());
    info.Time = Platform::Clock().Now();
    return info;
}

QString TErrorReport::Question(const QString& message)
{
    return QStringLiteral("\r\n非常抱歉,系统遇到如下异常:\r\n\r\n") + message
           + QStringLiteral("\r\n\r\n请参考相关异常说明,如果有必要点击\"是\"将此问题发送到我们的网站上!");
}

QString TErrorReport::OsDescription()
{
    const QString name = QSysInfo::prettyProductName();
    if (name.isEmpty()) return QStringLiteral("Unknown");
    return QStringLiteral("%1 Version %2 %3 (%4)")
        .arg(name, QSysInfo::kernelType(), QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture());
}

QString TErrorReport::BuildText(const TErrorInfo& info)
{
    const QString equals(41, u'=');
    const QString dashes(41, u'-');
    QStringList lines;
    lines << QStringLiteral("运行期异常：") << equals
          << QStringLiteral("ProductName：      ") + TProduct::Title()
          << QStringLiteral("ProductVersion：   ") + TProduct::VersionLabel() + u' ' + TProduct::BuildLabel()
          << QStringLiteral("OS：               ") + OsDescription()
          << QStringLiteral("CompanyName：      ") + CurrentCompany().CompanyName
          << QStringLiteral("ActiveForm：       ") + info.ActiveForm
          << QStringLiteral("ActiveControl：    ") + info.ActiveControl
          << QStringLiteral("ExceptionClass：   ") + info.ClassName
          << QStringLiteral("ExceptionDescribe：") + info.Message
          << QStringLiteral("ExceptionTime：    ") + info.Time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
          << equals << QString() << QStringLiteral("请您选择描述以下问题：") << dashes
          << QStringLiteral("1.出现以异常时,您曾做过哪些操作?") << QStringLiteral("2.您认为是什么原因导致此异常的发生?")
          << QStringLiteral("3.此异常是否经常发生,是否有规律性?") << QStringLiteral("4.以及其他您需要描述的问题：")
          << QString() << QStringLiteral("请留下联系方式,以便我们能及时与您联系并请教：") << dashes
          << QStringLiteral("电话：") << QStringLiteral("电子邮件：") << QStringLiteral("QQ：") << QStringLiteral("MSN：");
    return lines.join(QStringLiteral("\r\n"));
}

bool TErrorReport::Send(const QString& text, QString* reply)
{
    THttpReply r;
    try {
        r = Platform::Http().PostForm(TProduct::ReportAddress() + QStringLiteral("/back.asp"),
                                      {{QStringLiteral("Data"), text}}, kTimeoutMs);
    } catch (...) {
        r = THttpReply();  // a failed request counts as a failed send
    }
    const QString body = QString::fromUtf8(r.Body);
    if (reply) *reply = r.Ok ? body : QString();
    return r.Ok && body == QStringLiteral("ok");
}

QString TErrorReport::FailureMessage()
{
    return QStringLiteral("对不起,发送失败,请检查网络后重试.\r\n如果问题依然存在,请与恒川软件技术支持联系: %1")
        .arg(TProduct::SupportEmail());
}

QString TErrorReport::SuccessMessage() { return QStringLiteral("报告成功！我们会尽快处理并与您联系，谢谢！"); }
