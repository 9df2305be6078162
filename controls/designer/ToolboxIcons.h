#pragma once

#include <QIcon>

// The controls' toolbox icons, drawn in code so no image files need shipping.
class ToolboxIcons
{
public:
    static QIcon pictureViewer();
    static QIcon editBox();
    static QIcon combo();
};
