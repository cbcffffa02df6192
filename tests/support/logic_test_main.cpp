#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The tests of the logic library: no window, no window library. The user's
// real configuration and data are out of reach, as for the window tests.
int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toUtf8());
    qunsetenv("DFCF_DATA_DIR");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
