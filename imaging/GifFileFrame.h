#pragma once
// One frame of a GIF file as a value: the extensions that came before its
// image descriptor, its place, interlacing, whether it has its own colour
// table, whether its data were cut short, and its data (size, colour table,
// compressed image data).

#include "imaging/TExtension.h"
#include "imaging/TGIFItem.h"

#include <QPoint>
#include <memory>
#include <vector>

struct GifFileFrame {
    std::vector<std::unique_ptr<TExtension>> Extensions;
    QPoint TopLeft;
    bool Interlaced = false;
    bool LocalColorTable = false;
    bool Corrupted = false;
    std::shared_ptr<TGIFItem> Item = std::make_shared<TGIFItem>();
};
