#pragma once
// Reads a GIF file into a value.
//
// Header "GIF87a" or "GIF89a" (any case), logical screen descriptor, global
// colour table, then a loop over block introducers (zero bytes between
// blocks are skipped):
//   "!"  an extension: graphic-control and comment extensions are gathered
//        for the next frame; an application extension "NETSCAPE2.0" or
//        "ANIMEXTS1.0" whose first sub-block starts with 1 gives the loop
//        count; plain-text extensions drop what was gathered;
//   ","  a frame with the gathered extensions;
//   any other byte after gathered comments, while the picture has no
//        comment: the comments become the picture comment;
//   ";" or 0: the end; anything else: "Stream read error".
// Every frame is checked against the pixel limit and every count against
// the bytes that remain. Frames may reach past the logical screen (they
// show clipped); a screen side of 0 takes the frames' extent. When damage
// is tolerated, a file cut short keeps the frames read before the cut.

#include "imaging/GifFile.h"

#include <QByteArray>

class GifFileReader {
public:
    // Raises EInvalidGraphicOperation for bytes that are no GIF file.
    static GifFile Read(const QByteArray& file);
};
