#pragma once
// The program's message boxes, each with its fixed caption, buttons and icon,
// all shown through the current prompter. The Yes/No boxes return true on Yes.

#include <QString>

// The text the attention box puts before the caller's text.
inline const QString AttentionPrefix = QStringLiteral("A T E N Ç Ã O !!!\r\r");

// "Confirmação", Yes/No, question icon.
bool MsgConfirmacao(const QString& texto);
// "Confirmação", the text after the attention prefix, Yes/No, warning icon, No the default.
bool MsgAtencao(const QString& texto);
// "Advertência", Yes/No, question icon.
bool MsgAdvertencia(const QString& texto);
// "Informa", OK, exclamation icon.
void MsgInforma(const QString& texto);
// As MsgInforma, system-modal and above every window.
void MsgInformaSistema(const QString& texto);
// "Erro", OK, error icon.
void MsgErro(const QString& texto);
// As MsgErro, system-modal and above every window.
void MsgErroSistema(const QString& texto);
