// The graphical application and the start-up registrations every imaging
// test runs under (offscreen).

#include "imaging/ImagingRegistrations.h"

#include <QGuiApplication>

#include <gtest/gtest.h>
#include <memory>

namespace {

class ImagingEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
        m_registrations = std::make_unique<ImagingRegistrations>();
    }

    void TearDown() override {
        m_registrations.reset();
        m_application.reset();
    }

private:
    int m_argc = 1;
    char m_name[13] = "test_imaging";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_application;
    std::unique_ptr<ImagingRegistrations> m_registrations;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ImagingEnvironment);

} // namespace
