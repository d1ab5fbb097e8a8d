#pragma once

#include "app/framework/CMainFrame.h"
#include "support/DVTestSupport.h"

#include <gtest/gtest.h>

#include <QSettings>

#include <memory>

// A shown main window with fresh settings; message boxes are answered by the recorder, and closing
// at the end declines every save question.
class MainFrameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings().clear();
        frame = std::make_unique<CMainFrame>();
        frame->resize(1200, 800);
        frame->show();
    }
    void TearDown() override {
        boxes.answers = {DV::IDNO, DV::IDNO, DV::IDNO, DV::IDNO};
        frame->close();
        frame.reset();
    }

    MessageRecorder boxes;
    std::unique_ptr<CMainFrame> frame;
};
