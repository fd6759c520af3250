// The floor of the start-up benchmark: a bare window of the same toolkit,
// shown and painted into a picture as Velmar does with --screenshot.
//   BareWindow FILE.png
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("A bare window"));
    window.show();
    QCoreApplication::processEvents();
    return window.grab().save(argv[1], "PNG") ? 0 : 1;
}
