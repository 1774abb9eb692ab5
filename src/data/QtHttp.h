#pragma once
#include "Seams.h"

// HTTP over QNetworkAccessManager, run to completion in a local event loop with a time-out so
// that a slow server never hangs the program.
class TQtHttp : public IHttp {
public:
    THttpReply Get(const QString& url, int timeoutMs) override;
    THttpReply PostForm(const QString& url, const QList<QPair<QString, QString>>& fields, int timeoutMs) override;
};
