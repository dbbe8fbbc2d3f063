#pragma once
// What the image modules do when the program starts, and undo when it ends:
//   - the cursors "IMG_HANDCUR" and "IMG_DRAGCUR" become screen cursors
//     14000 and 14001 (with a graphical application);
//   - the clipboard format "Quorin Icon" is registered, and icons paste
//     from it into pictures;
//   - the colour mapping level tables are built;
//   - GIF pictures are registered: clipboard format "GIF Image", the class
//     for pictures stored in form resources, the file extension "gif"
//     ("CompuServe GIF Image") and the clipboard format for pictures.
// Any number of objects may exist; the work is done when the first is made
// and undone (GIF unregistered) when the last goes.

#include <QString>

class ImagingRegistrations {
public:
    static constexpr int crImgHand = 14000;
    static constexpr int crImgDrag = 14001;
    static constexpr char kResourceFolder[] = ":/imaging";

    ImagingRegistrations();
    ~ImagingRegistrations();
    ImagingRegistrations(const ImagingRegistrations&) = delete;
    ImagingRegistrations& operator=(const ImagingRegistrations&) = delete;

    // The "Quorin Icon" clipboard format; 0 before start-up.
    static unsigned IconClipboardFormat();

private:
    static void InstallCursors();
};
