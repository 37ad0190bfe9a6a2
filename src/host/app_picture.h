// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's picture, a paper tape coming out of an adding machine: the icon theme's
// "numerette" where one is installed, otherwise the same picture compiled into the program
// (rendered from the one drawing at build time, 16 to 256 pixels).
QIcon appIcon();
