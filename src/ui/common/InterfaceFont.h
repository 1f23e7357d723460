// The catalog's interface font on every control of a window or frame.
#pragma once

#include <string>

class QWidget;

namespace kinemo {

// Sets the face name on the container and every control below it, keeping each one's
// size and weight. An empty name keeps the toolkit's font. The catalog's character set
// has no counterpart: every font here covers Unicode.
void ApplyInterfaceFont(QWidget* container, const std::string& fontName);

}  // namespace kinemo
