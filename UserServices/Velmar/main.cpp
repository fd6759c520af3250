// The window program: it starts with the project window and runs until the
// user closes it.
#include <QApplication>

#include "frmProjectes.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmar");
    auto* window = new velmar::frmProjectes;  // deletes itself on close
    window->show();
    return QApplication::exec();
}
