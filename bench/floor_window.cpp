// SPDX-License-Identifier: GPL-3.0-or-later
// The floor program: the floor window alone, started, typed into and left idle the way the
// calculator is.
#include <QApplication>

#include "floor_window.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    FloorWindow window;
    window.show();
    return application.exec();
}
