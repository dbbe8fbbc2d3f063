#include "core/forms/TfrmModBase.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

TfrmModBase::TfrmModBase(TComponent* owner) : TForm(owner) {
    // The dialog font of the program, 11 pixels high.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    SetFont(font);
    SetColor(QApplication::palette().color(QPalette::Button));
}
