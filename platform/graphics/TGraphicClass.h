#pragma once
// A picture class as the registry knows it: its name and how to make one.

#include "platform/graphics/TGraphic.h"

#include <QString>
#include <functional>
#include <memory>

struct TGraphicClass {
    QString Name;
    std::function<std::unique_ptr<TGraphic>()> Create;

    template <typename Graphic> static TGraphicClass Of(const QString& name) {
        return {name, [] { return std::unique_ptr<TGraphic>(std::make_unique<Graphic>()); }};
    }
};
