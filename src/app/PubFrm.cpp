#include "PubFrm.h"

#include "BuggerFrm.h"
#include "Errors.h"
#include "MqLib.h"
#include "aFrm.h"

#include <QApplication>
#include <QPointer>
#include <QTextStream>
#include <QWidget>

namespace {

TPubFrm* g_handler = nullptr;

QString componentName(const QWidget* w)
{
    if (!w) return QString();
    if (auto* form = qobject_cast<const TaFrm*>(w)) return form->FormName();
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

}  // namespace

TPubFrm::TPubFrm(QObject* parent) : QObject(parent) { g_handler = this; }

TPubFrm::~TPubFrm()
{
    if (g_handler == this) g_handler = nullptr;
}

TPubFrm* TPubFrm::Instance() { return g_handler; }

void TPubFrm::ApplicationEvents1Exception(const TErrorInfo& error)
{
    TErrorInfo info = error;
    info.ActiveForm = componentName(QApplication::activeWindow());
    info.ActiveControl = componentName(QApplication::focusWidget());
    if (!AskYesNo(TErrorReport::Question(info.Message))) return;
    TBuggerFrm report(TErrorReport::BuildText(info), QApplication::activeWindow());
    report.exec();
}

void HandleException(std::exception_ptr error)
{
    TErrorInfo info;
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
        return;
    } catch (const std::exception& e) {
        info = TErrorReport::Describe(e);
    } catch (...) {
        info.ClassName = QStringLiteral("unknown");
        info.Message = QStringLiteral("未知异常");
    }
    if (g_handler) {
        // An error while the handler is busy is only shown: the handler never recurses.
        static bool busy = false;
        if (busy) {
            ShowInfo(info.Message);
            return;
        }
        busy = true;
        try {
            g_handler->ApplicationEvents1Exception(info);
        } catch (...) {
        }
        busy = false;
        return;
    }
    QTextStream(stderr) << info.ClassName << ": " << info.Message << Qt::endl;
}
