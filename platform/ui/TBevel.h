#pragma once
// A sunken or raised line or frame that separates parts of a form.

#include "platform/ui/TControl.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
    Q_OBJECT
public:
    TBevel(TComponent* owner, TWinControl* parent = nullptr);

    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return m_style; }
    void SetStyle(TBevelStyle style);

private:
    void UpdateFrame();

    TBevelShape m_shape = TBevelShape::bsBox;
    TBevelStyle m_style = TBevelStyle::bsLowered;
};
