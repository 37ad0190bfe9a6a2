// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the calculator is measured against: the least Qt 6 widgets program with a
// window, started and left idle the same way.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("0"));
    window.setWindowTitle(QStringLiteral("Floor window"));
    window.resize(348, 487);
    window.show();
    return application.exec();
}
