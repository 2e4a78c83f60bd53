#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kilnward");
    QMainWindow window;
    window.setWindowTitle("Kilnward");
    auto* label = new QLabel(QObject::tr("Kilnward configuration editor"));
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(900, 640);
    window.show();
    return app.exec();
}
