#pragma once
// The pictures of the declaration windows' toolbars and of their status
// columns, drawn in one place on a 24-pixel grid, and the magnifying glass
// of the buttons that open a search.

#include <QPixmap>

enum class ToolbarPicture {
    None, // a blank place in an image list
    Insert,
    Edit,
    Delete,
    Rectify,
    Marked, // validated or generated
    Error,
    Warning,
    Print,
    Filter,
    Generate,
    Exit,
    First,
    Prior,
    Next,
    Last
};

// The picture at its drawn size.
QPixmap DrawToolbarPicture(ToolbarPicture picture);
// The picture scaled smoothly to `size` pixels square.
QPixmap DrawToolbarPicture(ToolbarPicture picture, int size);
// The magnifying glass of a search button, 16 pixels square.
QPixmap DrawSearchGlyph();
