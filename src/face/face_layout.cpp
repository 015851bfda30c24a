#include "face/face_layout.h"

void FaceLayout::StoreIn(ClockSettings& settings) const {
    settings.IconWidth = iconBar.iconSize;
    settings.IconHeight = iconBar.barHeight;
    settings.IconBarWidth = iconBar.barWidth;
    if (pictureMissing) {
        settings.Set(NoImage, true);
    }
}
