#include "platform/base/TPrompter.h"

#include "platform/base/Exceptions.h"

namespace {
TPrompter* g_current = nullptr;
}

TPrompter& TPrompter::Current() {
    if (!g_current)
        throw Exception(QStringLiteral("No prompter is installed to show a prompt"));
    return *g_current;
}

bool TPrompter::IsInstalled() {
    return g_current != nullptr;
}

TPrompter::Install::Install(TPrompter& prompter) : m_previous(g_current) {
    g_current = &prompter;
}

TPrompter::Install::~Install() {
    g_current = m_previous;
}
