// Runs the accuracy suite and prints the table of measured differences.

#include <gtest/gtest.h>

#include "tests/accuracy/Figures.h"

namespace {

class PrintFigures : public testing::Environment {
 public:
  void TearDown() override { koord::accuracy::PrintReport(); }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new PrintFigures);  // gtest takes ownership
  return RUN_ALL_TESTS();
}
