// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the solid-colour test pictures into the directory given as the only argument.
#include "tests/support/fixturepictures.h"

#include <QGuiApplication>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    return writeFixturePictures(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
