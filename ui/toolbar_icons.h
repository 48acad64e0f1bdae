// The toolbar's pictures: a small coloured tile with a short sign for each command, drawn
// rather than loaded, so that the toolbar needs no image files.
#pragma once

#include <QIcon>

namespace kxui {

// The picture of the toolbar button of `command`.
QIcon ToolbarIcon(int command);

}  // namespace kxui
