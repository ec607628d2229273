#pragma once

#include <QPixmap>

namespace zelmaro {

// The pictures of the dilation's information forms: how one pixel grows under the
// 3 x 3 square and the cross, and the loop of the procedure beside concentric zones.
QPixmap MorphoMathPicture();
QPixmap DilationProcedurePicture();

}  // namespace zelmaro
