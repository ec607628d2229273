#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace zelmaro {

// The program's own pictures, drawn at start-up rather than loaded from files.

// The 32 x 32 glyph of a tool-bar button, by the button's name.
QIcon ToolGlyph(std::string_view buttonName);
QPixmap ToolGlyphPixmap(std::string_view buttonName);
// The cursor registered under one of the ids 30 to 36.
QCursor ToolCursor(int cursorId);
// The picture of presentation window 1 to 4, 587 x 605.
QPixmap PresentationPicture(int index);

}  // namespace zelmaro
