#pragma once

#include <QPixmap>

namespace zelmaro {

// The pictures of the linear interpolation's information form: a point between the lines
// 1000 and 1100 with its distances to both, and the formula that weighs them.
QPixmap LinearLevelPicture();
QPixmap LinearFormulaPicture();

}  // namespace zelmaro
