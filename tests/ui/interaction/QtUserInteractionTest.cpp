#include <gtest/gtest.h>

#include "ui/interaction/QtUserInteraction.h"

namespace zelmaro {
namespace {

TEST(QtFileFilter, TurnsDescriptionAndPatternPairsIntoQtFilters) {
  EXPECT_EQ(QtFileFilter("Raster Image [*.raw]|*.raw").toStdString(),
            "Raster Image [*.raw] (*.raw)");
  EXPECT_EQ(QtFileFilter("Table [*.txt]|*.txt|All|*.raw;*.txt").toStdString(),
            "Table [*.txt] (*.txt);;All (*.raw *.txt)");
  EXPECT_EQ(QtFileFilter("").toStdString(), "");
}

}  // namespace
}  // namespace zelmaro
