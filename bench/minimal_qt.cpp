// The yardstick for start-up time and memory: the least a Qt Widgets program does to show
// a main window with a menu and a modal dialog over it, as the game does with its sign-in.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal Table"));
    auto* client = new QWidget;
    client->setFixedSize(600, 410);
    window.setCentralWidget(client);
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("E&xit"));
    window.show();

    QDialog dialog(&window);
    dialog.setWindowTitle(QStringLiteral("Minimal Sign In"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Welcome")));
    layout->addWidget(new QLineEdit);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    layout->addWidget(ok);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.exec();
    return app.exec();
}
