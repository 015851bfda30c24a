#pragma once

#include "core/colour.h"
#include "platform/canvas.h"

#include <QString>
#include <optional>

class QWidget;

// The standard choosers the display settings dialog opens. Each returns nothing when the
// user cancels. Tests give answers without opening a window.
class OptionChoosers {
public:
    virtual ~OptionChoosers() = default;

    virtual std::optional<Colour> ChooseColour(QWidget* parent, Colour current) = 0;
    // Name, point size, colour and style bits, all four taken back on OK.
    virtual std::optional<CanvasFont> ChooseFont(QWidget* parent, const CanvasFont& current) = 0;
    // A bitmap or JPEG picture file.
    virtual std::optional<QString> ChoosePictureFile(QWidget* parent,
                                                     const QString& startFolder) = 0;
};
