#pragma once
// Death tests that expect an AddressSanitizer report. The child is the test program started again, with
// sanitizer options of its own: it reports on its stderr, where the test reads it, and never into the folder
// the sanitizer run collects reports in (any file there fails the run).
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <string>

#include "platform/base/Sanitizer.h"

namespace testsupport {

// An environment variable set for a while, then put back as it was.
class EnvironmentFor {
public:
    EnvironmentFor(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~EnvironmentFor() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    EnvironmentFor(const EnvironmentFor&) = delete;
    EnvironmentFor& operator=(const EnvironmentFor&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// Expects `statement` to end the process with an AddressSanitizer report of `kind` ("heap-use-after-free").
inline void expectSanitizerReport(const std::function<void()>& statement, const char* kind) {
    const std::string style = GTEST_FLAG_GET(death_test_style);
    // Started again from its own start, the child reads the options set here. UBSan's options hold a log
    // path of their own, which would take the place of ASan's.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    {
        const EnvironmentFor asan("ASAN_OPTIONS", "log_path=stderr:halt_on_error=1:detect_leaks=0");
        const EnvironmentFor ubsan("UBSAN_OPTIONS", "log_path=stderr:halt_on_error=1:print_stacktrace=1");
        EXPECT_DEATH(statement(), kind);
    }
    GTEST_FLAG_SET(death_test_style, style);
}

}  // namespace testsupport
