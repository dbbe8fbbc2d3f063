#pragma once
// The named colours windows are designed with: the sixteen basic colours and
// the system colours of the standard Windows palette, so a window asks for
// clInfoBk or clBtnFace and looks as it was designed, whatever the desktop's
// theme. ColorOf reads a colour stored as a number (0x00BBGGRR, as form
// resources keep them: 13421772 is light grey CC CC CC).

#include <QColor>

// Basic colours.
inline const QColor clBlack{0x00, 0x00, 0x00};
inline const QColor clMaroon{0x80, 0x00, 0x00};
inline const QColor clGreen{0x00, 0x80, 0x00};
inline const QColor clOlive{0x80, 0x80, 0x00};
inline const QColor clNavy{0x00, 0x00, 0x80};
inline const QColor clPurple{0x80, 0x00, 0x80};
inline const QColor clTeal{0x00, 0x80, 0x80};
inline const QColor clGray{0x80, 0x80, 0x80};
inline const QColor clSilver{0xC0, 0xC0, 0xC0};
inline const QColor clRed{0xFF, 0x00, 0x00};
inline const QColor clLime{0x00, 0xFF, 0x00};
inline const QColor clYellow{0xFF, 0xFF, 0x00};
inline const QColor clBlue{0x00, 0x00, 0xFF};
inline const QColor clFuchsia{0xFF, 0x00, 0xFF};
inline const QColor clAqua{0x00, 0xFF, 0xFF};
inline const QColor clWhite{0xFF, 0xFF, 0xFF};

// System colours of the standard palette.
inline const QColor clScrollBar{0xC8, 0xC8, 0xC8};
inline const QColor clBackground{0x00, 0x00, 0x00};
inline const QColor clActiveCaption{0x99, 0xB4, 0xD1};
inline const QColor clInactiveCaption{0xBF, 0xCD, 0xDB};
inline const QColor clMenu{0xF0, 0xF0, 0xF0};
inline const QColor clWindow{0xFF, 0xFF, 0xFF};
inline const QColor clWindowFrame{0x64, 0x64, 0x64};
inline const QColor clMenuText{0x00, 0x00, 0x00};
inline const QColor clWindowText{0x00, 0x00, 0x00};
inline const QColor clCaptionText{0x00, 0x00, 0x00};
inline const QColor clActiveBorder{0xB4, 0xB4, 0xB4};
inline const QColor clInactiveBorder{0xF4, 0xF7, 0xFC};
inline const QColor clAppWorkSpace{0xAB, 0xAB, 0xAB};
inline const QColor clHighlight{0x33, 0x99, 0xFF};
inline const QColor clHighlightText{0xFF, 0xFF, 0xFF};
inline const QColor clBtnFace{0xF0, 0xF0, 0xF0};
inline const QColor clBtnShadow{0xA0, 0xA0, 0xA0};
inline const QColor clGrayText{0x6D, 0x6D, 0x6D};
inline const QColor clBtnText{0x00, 0x00, 0x00};
inline const QColor clInactiveCaptionText{0x43, 0x4E, 0x54};
inline const QColor clBtnHighlight{0xFF, 0xFF, 0xFF};
inline const QColor cl3DDkShadow{0x69, 0x69, 0x69};
inline const QColor cl3DLight{0xE3, 0xE3, 0xE3};
inline const QColor clInfoText{0x00, 0x00, 0x00};
inline const QColor clInfoBk{0xFF, 0xFF, 0xE1};

// A colour stored as 0x00BBGGRR.
inline QColor ColorOf(unsigned bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}
