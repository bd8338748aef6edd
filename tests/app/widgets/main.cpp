#include "testfonts.h"
#include "widgettests.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    loadTestFonts();
    int failures = 0;
    failures += runBitmapProgressBarTests(argc, argv);
    failures += runGlyphButtonTests(argc, argv);
    failures += runSmoothLabelTests(argc, argv);
    failures += runAlignedEditTests(argc, argv);
    return failures;
}
