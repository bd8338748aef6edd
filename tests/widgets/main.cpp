#include "testfonts.h"
#include "widgettests.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    loadTestFonts();
    int failures = 0;
    failures += runAlProgressBarTests(argc, argv);
    failures += runLbSpeedButtonTests(argc, argv);
    return failures;
}
