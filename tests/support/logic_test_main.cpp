#include "support/test_env.h"
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The tests of the logic library: no window, no window library.
int main(int argc, char** argv)
{
    QTemporaryDir home;
    keepUserFoldersOutOfReach(home);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
