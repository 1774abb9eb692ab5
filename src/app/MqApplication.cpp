#include "MqApplication.h"

#include "PubFrm.h"

TMqApplication::TMqApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TMqApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
        return false;
    }
}
