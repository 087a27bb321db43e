#pragma once
// Qt tests need one application object for the whole test program; the first test that
// needs it makes it, and it lives until the program ends.

#include <QApplication>

namespace orvane::testing {

// True when a widget application exists now (made here when there was none).
inline bool EnsureQtApplication() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "orvane-tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace orvane::testing
