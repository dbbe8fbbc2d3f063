#pragma once
// The common shape of the pages that only tell what their branch of the
// declaration holds: a caption and a help text, nothing to edit.

#include "declarations/pages/TfrmDetalheDEF.h"

#include <QStringList>

class TMemo;

class InformationPage : public TfrmDetalheDEF {
    Q_OBJECT
public:
    struct Shape {
        QString formName;     // "frmDetOpInterestaduais"
        QString caption;      // "Operações Interestaduais"
        QStringList helpText; // the lines of Memo1
    };

    InformationPage(TComponent* owner, const Shape& shape);

    TMemo* Memo1;
};
