#pragma once

// Each widget's test class runs through one of these; main() runs them all.
int runBitmapProgressBarTests(int argc, char** argv);
int runGlyphButtonTests(int argc, char** argv);
int runSmoothLabelTests(int argc, char** argv);
int runAlignedEditTests(int argc, char** argv);
