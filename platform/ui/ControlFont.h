#pragma once
// A control's text in bold, the rest of its font kept.

class TControl;

void SetBold(TControl* control);
