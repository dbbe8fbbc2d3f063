#pragma once
// A message dialog of a given kind (its caption follows the kind: "Aviso",
// "Erro", "Informação", "Confirmação") with the given buttons, shown through
// the prompter; returns the button pressed as a modal result.

#include "platform/base/TPromptRequest.h"

#include <QString>
#include <vector>

TModalResult MessageDlg(const QString& text, TMsgDlgType type, const std::vector<TMsgDlgBtn>& buttons);
