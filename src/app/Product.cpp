#include "Product.h"

#include "Configer.h"
#include "IniFile.h"

namespace {
const QString kBuildLabel = QStringLiteral("Build130115");
QString g_buildLabel = kBuildLabel;
bool g_suffixApplied = false;
}  // namespace

QString TProduct::Title() { return QStringLiteral("恒川销售管理系统"); }
QString TProduct::HelpFile() { return QStringLiteral("mqsale.chm"); }
QString TProduct::VersionLabel() { return QStringLiteral("单机版 3.0.130115"); }
QString TProduct::BuildLabel() { return g_buildLabel; }
QString TProduct::DefaultDatabaseName() { return QStringLiteral("mqscm3"); }

void TProduct::ApplyBuildSuffix(const QString& suffix)
{
    if (g_suffixApplied) return;
    g_buildLabel = QStringLiteral("(%1%2)").arg(g_buildLabel, suffix);
    g_suffixApplied = true;
}

void TProduct::ResetBuildLabel()
{
    g_buildLabel = kBuildLabel;
    g_suffixApplied = false;
}

QString TProduct::WebSite() { return QStringLiteral("http://www.hengchuan.example"); }
QString TProduct::SupportEmail() { return QStringLiteral("support@hengchuan.example"); }
QString TProduct::SalesEmail() { return QStringLiteral("sales@hengchuan.example"); }

QString TProduct::ReportAddress()
{
    const QString configured =
        TIniFile(TConfiger::DefaultFileName()).ReadString(QStringLiteral("publish"), QStringLiteral("report"));
    QString address = configured.isEmpty() ? WebSite() : configured;
    while (address.endsWith(u'/')) address.chop(1);
    return address;
}
