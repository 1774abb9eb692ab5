#pragma once
#include <QApplication>

// The application object: every error that escapes an event handler is caught here and handed
// to the application-wide error handler, and the program goes on.
class TMqApplication : public QApplication {
    Q_OBJECT
public:
    TMqApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
