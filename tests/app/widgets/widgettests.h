#pragma once

// Each widget's test class runs through one of these; main() runs them all.
int runAlProgressBarTests(int argc, char** argv);
int runLbSpeedButtonTests(int argc, char** argv);
int runAntiAliasLabelTests(int argc, char** argv);
int runAlignEditTests(int argc, char** argv);
