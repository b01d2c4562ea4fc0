#pragma once

#include <QApplication>

namespace quintaro {

// The one application object. Main runs the whole program: the command line, the table
// window and its event loop, and the return command at the end.
class GameApp : public QApplication {
    Q_OBJECT
public:
    GameApp(int& argc, char** argv);

    int Main();
};

} // namespace quintaro
