#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace zelmaro {

// The program's own glyphs and cursors, drawn at start-up rather than loaded from files.

// The 32 x 32 glyph of a tool-bar button, by the button's name.
QIcon ToolGlyph(std::string_view buttonName);
QPixmap ToolGlyphPixmap(std::string_view buttonName);
// The cursor registered under one of the ids 30 to 36.
QCursor ToolCursor(int cursorId);

}  // namespace zelmaro
