#include "platform/base/SystemClock.h"

namespace {

std::function<QDateTime()>& Source() {
    static std::function<QDateTime()> source;
    return source;
}

} // namespace

QDateTime SystemClock::Now() {
    const std::function<QDateTime()>& source = Source();
    return source ? source() : QDateTime::currentDateTime();
}

void SystemClock::Fix(std::function<QDateTime()> source) {
    Source() = std::move(source);
}
