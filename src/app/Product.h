#pragma once
#include <QString>

// The product texts, set once at start and read by the main window, the about box and the
// error report, and the maker's addresses.
namespace TProduct {
QString Title();          // the application title, also the product name
QString HelpFile();       // the help file's name, relative to the program's folder
QString VersionLabel();
QString BuildLabel();
QString DefaultDatabaseName();

// With cfg.ini present the build label becomes "(<label><suffix>)", once per run.
void ApplyBuildSuffix(const QString& suffix);
// Back to the built-in label (tests).
void ResetBuildLabel();

QString WebSite();
QString SupportEmail();
QString SalesEmail();
// Where error reports and feedback are posted ("/back.asp" is appended): [publish] report in
// cfg.ini, or the maker's web site.
QString ReportAddress();
}  // namespace TProduct
