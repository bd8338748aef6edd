#pragma once
// The application object, made at the device pixel ratio the scene wants
// (screenscale.h). Qt reads its scale factor once, as the object is made,
// and the screen can be asked only after that: where the screen calls for
// another ratio, the first object goes and a second one is made with
// QT_SCALE_FACTOR set. A display that cannot be opened ends the program
// with one line and exit code 1 (qtmessages.h).

#include <QApplication>
#include <QByteArray>
#include <memory>
#include <vector>

namespace zelvan {

class ScaledApplication {
public:
    // requestedScale: a factor from the command line (screenscale.h), 0 to
    // pick it.
    ScaledApplication(int argc, char** argv, double requestedScale);
    ~ScaledApplication();

    QApplication& app() { return *app_; }

private:
    void make();

    // The arguments as given: the application object takes Qt's own options
    // out of what it is handed, and a second one must see them too. It keeps
    // the count and the array for its whole life.
    std::vector<QByteArray> given_;
    std::vector<QByteArray> copies_;
    std::vector<char*> argv_;
    int argc_ = 0;
    std::unique_ptr<QApplication> app_;
};

}  // namespace zelvan
