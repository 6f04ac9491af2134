#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Widget tests need one application object for the whole run; ctest runs them offscreen.
class GuiApplication : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "zq410-tests";
        static char *argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

const auto *const registered = ::testing::AddGlobalTestEnvironment(new GuiApplication);

} // namespace
