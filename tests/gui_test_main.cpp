// Runs the widget tests inside one QApplication on the offscreen platform.
#include <QApplication>
#include <QStyleFactory>
#include <chrono>
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/print_report.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // A print run a test gave up on may still be in the print system; Qt must outlive it.
    WaitForPrintJobs(std::chrono::seconds(20));
    return result;
}
