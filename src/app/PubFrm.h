#pragma once
#include "ErrorReport.h"

#include <QObject>
#include <exception>

// The data module: installs the application-wide error handler for as long as it lives.
class TPubFrm : public QObject {
    Q_OBJECT
public:
    explicit TPubFrm(QObject* parent = nullptr);
    ~TPubFrm() override;

    // Every error that reaches the event loop: the silent abort is ignored; any other error is
    // shown with the question whether to report it, and a yes opens the error report.
    void ApplicationEvents1Exception(const TErrorInfo& error);

    // The handler in place, or nullptr.
    static TPubFrm* Instance();
};

// Hands an error caught around the event loop (or around start-up) to the error handler.
// Without a handler the error is written to stderr.
void HandleException(std::exception_ptr error);
