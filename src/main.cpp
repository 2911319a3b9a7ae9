#include <QApplication>

#include "shell/gui/Startup.h"
#include "shell/gui/QtReporter.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kujimate::QtReporter reporter;
    kujimate::SetReporter(&reporter);
    int rc = kujimate::Main();
    kujimate::SetReporter(nullptr);
    return rc;
}
