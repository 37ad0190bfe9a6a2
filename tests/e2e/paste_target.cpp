// SPDX-License-Identifier: GPL-3.0-or-later
// A text field in a program of its own, as the click-to-paste test's target: it prints its
// text on a line of its own each time it changes.
#include <cstdio>

#include <QApplication>
#include <QLineEdit>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLineEdit field(QStringLiteral("old text"));
    field.setWindowTitle(QStringLiteral("Paste target"));
    field.resize(300, 40);
    QObject::connect(&field, &QLineEdit::textChanged, [](const QString& text) {
        std::printf("%s\n", qPrintable(text));
        std::fflush(stdout);
    });
    field.show();
    return app.exec();
}
