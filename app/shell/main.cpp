#include "app/shell/startup.h"

int main(int argc, char** argv) {
    return zelvan::runZelvan(argc, argv);
}
