#include "testfonts.h"
#include "widgettests.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    loadTestFonts();
    int failures = 0;
    failures += runAlProgressBarTests(argc, argv);
    failures += runLbSpeedButtonTests(argc, argv);
    failures += runAntiAliasLabelTests(argc, argv);
    failures += runAlignEditTests(argc, argv);
    return failures;
}
