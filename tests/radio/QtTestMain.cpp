#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// The transfers need an event loop: one application object for the whole test binary.
class CoreApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "zq410-radio-tests";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            m_app = new QCoreApplication(argc, argv);
    }
    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    QCoreApplication *m_app = nullptr;
};

const auto *environment = ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

} // namespace
