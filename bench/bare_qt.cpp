// A bare Qt Widgets program for start-up comparisons: a 1024 x 768 main window with a menu bar,
// an MDI area, a strip of six buttons, nine labels and one child window with three filled combo
// boxes - roughly what Orbika's main window and an entry window hold, without any of its work.

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* strip = new QHBoxLayout;
    for (int i = 0; i < 6; ++i)
        strip->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i)));
    layout->addLayout(strip);
    for (int i = 0; i < 9; ++i)
        layout->addWidget(new QLabel(QStringLiteral("Label %1").arg(i)));
    auto* area = new QMdiArea;
    layout->addWidget(area, 1);
    window.setCentralWidget(central);

    auto* child = new QWidget;
    auto* childLayout = new QHBoxLayout(child);
    for (int list = 0; list < 3; ++list) {
        auto* combo = new QComboBox;
        for (int i = 0; i < 31; ++i)
            combo->addItem(QString::number(i + 1));
        childLayout->addWidget(combo);
    }
    area->addSubWindow(child)->show();

    window.resize(1024, 768);
    window.show();
    return QApplication::exec();
}
