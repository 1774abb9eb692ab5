#include "Login.h"

#include "Operator.h"

bool TLogin::Check(const QString& loginId, const QString& password)
{
    TOperator candidate;
    candidate.LoadOperator(loginId);
    if (!candidate.CheckPassword(password)) return false;
    CurrentOperator().LoadOperator(candidate.LoginId);
    return true;
}

bool TLogin::FromParameters(const QStringList& parameters)
{
    return parameters.size() == 3 && Check(parameters[0], parameters[1]);
}
