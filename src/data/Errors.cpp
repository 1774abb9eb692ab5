#include "Errors.h"

EDatabaseError::EDatabaseError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message) {}

EMqError::EMqError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message) {}
