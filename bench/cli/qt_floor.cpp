// SPDX-License-Identifier: MIT
// The floor for a QtCore command: start a QCoreApplication and print one number.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("%s\n", QByteArray::number(474.682 * 650.934 - 72.436).constData());
    return 0;
}
