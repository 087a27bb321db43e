#include "window_fixture.h"

#include "workspace/list_mirror.h"

namespace orvane::window_testing {

int WindowTest::AddReport(const std::string& name) {
    Workspace& ws = run->ws;
    const int r = ++ws.ReportCount;
    ws.ReportName[r] = name;
    ws.ReportState[r] = ReportClosed;
    ws.RecordCount[r] = 0;
    for (int f = 1; f <= HeaderFields; ++f)
        ws.ReportField[r][f] = name + " field " + std::to_string(f);
    AppendListLine(ws, run->win, name, static_cast<std::int16_t>(r), 0);
    return r;
}

int WindowTest::AddRecord(int r, std::int16_t kind, const std::string& text,
                          const std::string& stamp) {
    Workspace& ws = run->ws;
    const int n = ++ws.RecordCount[r];
    ws.RecordType[r][n] = kind;
    ws.RecordText[r][n] = text;
    ws.RecordLabel[r][n] = (kind == KindGraph ? "   GRAPH:    " : "   RECORD:  ") + stamp;
    ws.RecordPath[r][n] =
        DataPath(ws.TargetDir + "/" + stamp + (kind == KindGraph ? ".doc" : ".txt")).string();
    return n;
}

void WindowTest::DoubleClickLine(MainWindow& window, int line) {
    QListWidget* list = window.List1();
    const QPoint at = list->visualItemRect(list->item(line)).center();
    // QTest's double click is the double-click event alone; a user's has both clicks.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

void WindowTest::ClickLine(MainWindow& window, int line, Qt::MouseButton button) {
    QListWidget* list = window.List1();
    const QPoint at = list->visualItemRect(list->item(line)).center();
    QTest::mouseClick(list->viewport(), button, {}, at);
}

void WindowTest::Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), {});
    }
}

QStringList WindowTest::ListLines(MainWindow& window) const {
    QStringList lines;
    for (int i = 0; i < window.List1()->count(); ++i)
        lines << window.List1()->item(i)->text();
    return lines;
}

} // namespace orvane::window_testing
