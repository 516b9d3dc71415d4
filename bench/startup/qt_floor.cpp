// SPDX-License-Identifier: MIT
// The floor for a Qt 6 Widgets window of this size: a main window with a tab
// widget of two pages and 23 line edits, and nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *tabs = new QTabWidget(&window);
    QWidget *pages[2] = {new QWidget, new QWidget};
    tabs->addTab(pages[0], QStringLiteral("Body Mass and Strength"));
    tabs->addTab(pages[1], QStringLiteral("Power and Acceleration"));
    for (int i = 0; i < 23; ++i) {
        const int place = i / 2; // alternate pages, three edits to a row
        auto *edit = new QLineEdit(QStringLiteral("0.00"), pages[i % 2]);
        edit->setGeometry(10 + place % 3 * 150, 10 + place / 3 * 35, 140, 24);
    }
    window.setCentralWidget(tabs);
    window.resize(480, 360);
    window.show();
    return app.exec();
}
