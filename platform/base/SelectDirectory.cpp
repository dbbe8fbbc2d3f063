#include "platform/base/SelectDirectory.h"

#include "platform/base/TPrompter.h"

bool SelectDirectory(const QString& caption, const QString& root, QString& directory) {
    TPromptRequest request;
    request.Kind = TPromptKind::pkFolder;
    request.Caption = caption;
    request.InitialDir = root;
    const TPromptResult answer = TPrompter::Current().Prompt(request);
    if (answer.Button != mrOk || answer.Path.isEmpty())
        return false;
    directory = answer.Path;
    return true;
}
