#pragma once
// Enumerations and event types shared by the window classes.

#include "platform/base/TEvent.h"
#include "platform/db/DBTypes.h" // TAlignment

#include <QChar>
#include <Qt>

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poScreenCenter, poMainFormCenter };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
using TBorderIcons = unsigned;
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TBevelCut { bvNone, bvLowered, bvRaised };
// The frame of an edit or memo.
enum class TBorderStyle { bsNone, bsSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Mouse cursors by the numbers the program uses.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crHandPoint = -21;

// Keys are Qt key codes; the shift state is Qt's modifier set.
using TShiftState = Qt::KeyboardModifiers;

class TObject;
// Setting Key to 0 swallows the key.
using TKeyEvent = TEvent<TObject*, int&, TShiftState>;
// Setting Key to a null character swallows it; another character replaces it.
using TKeyPressEvent = TEvent<TObject*, QChar&>;
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class QString;
// A caption as shown where "&" does not mark a shortcut: "&Sair" -> "Sair",
// "&&" -> "&".
QString StripAccelChar(const QString& caption);
