// The window program: it starts with the project window and runs until the
// user closes it.
#include <QApplication>

#include "admin/frmProjectes.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmar");
    velmar::frmProjectes window;
    window.show();
    return QApplication::exec();
}
