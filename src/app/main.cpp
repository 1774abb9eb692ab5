#include "MqApplication.h"
#include "QtSeams.h"
#include "Startup.h"

int main(int argc, char** argv)
{
    TMqApplication app(argc, argv);
    InstallQtSeams();
    return RunProgram(app.arguments().mid(1));
}
