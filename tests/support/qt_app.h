#pragma once
// One QApplication for the whole test program: made before the first test
// and destroyed after the last, while Qt's own globals still live.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace rq::test {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[12] = "rq810z-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const qt_environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace rq::test
