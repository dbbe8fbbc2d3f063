#pragma once
// The picture of a print button: a printer with a sheet coming
// out, drawn in code at any square size.

#include <QPixmap>

QPixmap PrinterPicture(int size);
