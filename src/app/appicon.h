#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

namespace pellax {

// The program's icon, drawn here rather than shipped as a picture: a cluster of
// blue mineral crystals on a dark tile. The window icon and the installed theme
// icons are the same drawing.
QImage drawAppIcon(int size);

// The icon at the sizes desktops ask for (16, 32 and 48 pixels).
QIcon appIcon();

// The same drawing as a scalable SVG document, for the desktop's icon theme.
QByteArray appIconSvg();

}  // namespace pellax
