#include "ui/main_toolbar.h"

#include "ui/icons.h"

#include <QAction>

namespace orvane {
namespace {

struct ButtonEntry {
    const char* key;
    const char* tooltip;
    const char* themeIcon; // freedesktop name
    const char* fallbackIcon;
    bool separatorAfter;
};

constexpr ButtonEntry Buttons[] = {
    {"Target", "Select Target", "preferences-system", "target", true},
    {"Connect", "Connect", "network-wired", "connect", false},
    {"Disconnect", "Disconnect", "network-offline", "disconnect", true},
    {"Save", "Save As", "document-save", "save", false},
    {"Print", "Print", "document-print", "print", true},
    {"Cut", "Cut", "edit-cut", "cut", false},
    {"Copy", "Copy", "edit-copy", "copy", false},
    {"Paste", "Paste", "edit-paste", "paste", false},
    {"Clear", "Clear Screen", "edit-clear", "clear", true},
    {"New", "New Workspace", "document-new", "new", true},
    {"EXCEL", "Export to Excel", "x-office-spreadsheet", "excel", false},
    {"WORD", "Export to Word", "x-office-document", "word", true},
    {"Help", "Help", "help-about", "help", false},
};

} // namespace

MainToolbar::MainToolbar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    for (const ButtonEntry& entry : Buttons) {
        const QString key = QString::fromLatin1(entry.key);
        QAction* button = addAction(ThemedIcon(QString::fromLatin1(entry.themeIcon),
                                               QString::fromLatin1(entry.fallbackIcon)),
                                    QString::fromLatin1(entry.tooltip));
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(QString::fromLatin1(entry.tooltip));
        connect(button, &QAction::triggered, this, [this, key] { emit ButtonClick(key); });
        if (entry.separatorAfter)
            addSeparator();
    }
}

QAction* MainToolbar::Button(const QString& key) const {
    for (QAction* action : actions()) {
        if (!action->isSeparator() && action->data().toString() == key)
            return action;
    }
    return nullptr;
}

} // namespace orvane
