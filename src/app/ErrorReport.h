#pragma once
#include <QDateTime>
#include <QString>
#include <exception>

// What the error report says about one unhandled error.
struct TErrorInfo {
    QString ClassName;      // the class of the error itself
    QString Message;
    QString ActiveForm;     // component name of the active window
    QString ActiveControl;  // component name of the focused control
    QDateTime Time;
};

// The text of the error report and its delivery to the maker.
namespace TErrorReport {
// The class name and message of an error (the window fields are left empty).
TErrorInfo Describe(const std::exception& e);
// The question that asks whether to report the error.
QString Question(const QString& message);
// The operating system line: distribution, kernel and architecture.
QString OsDescription();
// The whole pre-filled report text, one line per item.
QString BuildText(const TErrorInfo& info);

// Posts the text as the form field "Data" to the report address; the request has a time-out
// and never raises. True when the reply is exactly "ok"; otherwise the reply's text (or empty
// when nothing came back) is left in reply.
bool Send(const QString& text, QString* reply = nullptr);
// Shown when a send failed without a reply.
QString FailureMessage();
// Shown after a successful send.
QString SuccessMessage();
}  // namespace TErrorReport
