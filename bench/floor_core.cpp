// The command line's floor: the least a Qt program does before it can answer, start
// QCoreApplication and end.
#include <QCoreApplication>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    return 0;
}
