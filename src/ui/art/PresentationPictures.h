#pragma once

#include <QPixmap>

namespace zelmaro {

// The picture of presentation window 1 to 4, 587 x 605, drawn rather than loaded.
QPixmap PresentationPicture(int index);

}  // namespace zelmaro
