#include <QApplication>

#include <gtest/gtest.h>

namespace {

// One application object for every test of a dialog binary.
class GuiEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "dialog-tests";
        static char *argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete app;
        app = nullptr;
    }

private:
    QApplication *app = nullptr;
};

const auto *environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
