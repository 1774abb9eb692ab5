#include "WindowRegistry.h"

#include "Facade.h"
#include "OperatorsFrm.h"

void RegisterAppWindows(Tmall& mall)
{
    mall.RegisterWindow(MallWindow::Operators, [](QWidget* owner) { return new TOperatorsFrm(owner); });
}

void RegisterWindows(Tmall& mall)
{
    RegisterAppWindows(mall);
}
