#pragma once

namespace zelmaro {

// The mouse button of a click on a picture, for the zoom and the editor tools alike.
enum class MouseButton { Left, Right, Middle };

}  // namespace zelmaro
