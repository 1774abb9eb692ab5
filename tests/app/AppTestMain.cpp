#include "AppHome.h"
#include "MqApplication.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The shell's tests run under TMqApplication, and cfg.ini goes to a folder of their own.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TMqApplication app(argc, argv);
    QTemporaryDir home;
    AppHome::SetHome(home.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
