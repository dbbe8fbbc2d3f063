#include "database/builder/ConsolePrompter.h"

#include <cstdio>

TPromptResult ConsolePrompter::Prompt(const TPromptRequest& request) {
    if (request.Icon == TMsgDlgType::mtError)
        m_showedError = true;
    QString text = request.Text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::printf("[%s] %s\n", request.Caption.toUtf8().constData(), text.toUtf8().constData());
    std::fflush(stdout);
    TPromptResult result;
    result.Button = mrOk;
    return result;
}
